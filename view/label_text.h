#pragma once

#include "view/scene_commands.h"
#include "view/view_layout.h"

#include <cstdint>
#include <string>

// Every label and title is one line, vertically centred and clipped to its rectangle; tabs are not expanded.
inline constexpr TextFormat centredLine{
    .align = TextAlign::Centre, .verticallyCentred = true, .singleLine = true};
inline constexpr TextFormat leftAlignedLine{
    .align = TextAlign::Left, .verticallyCentred = true, .singleLine = true};

// The font of every label and title of the results scenes. No system has the face; each surface's font
// matching picks its stand-in.
SceneFont labelFont(const ViewLayout& layout);

// Records a text in the label font's colours: black on an opaque white band.
void addLabel(Scene& scene, std::string text, const SceneRect& rect, const SceneFont& font,
              TextFormat format);

// The runtime's integer-to-text conversion: no leading zeros, lower-case digits in base 16, no prefix.
std::string numberText(std::uint32_t value, int base = 10);
