#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// The main view recorded as an ordered list of drawing commands that a surface replays: GDI in the Windows
// program, a canvas in the page, JSON Lines in the text front-end. The vocabulary is closed; every surface
// visits every command with one overload each and no catch-all, so a surface that forgets one does not build.
//
// Units are client-area pixels, origin at the top-left corner, y growing downwards. A rectangle is (left,
// top, right, bottom), its right and bottom edges excluded as in GDI; it is passed exactly as computed, even
// when its bottom lies above its top.

struct SceneRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const SceneRect&) const = default;
};

struct ScenePoint {
    int x = 0;
    int y = 0;

    bool operator==(const ScenePoint&) const = default;
};

// Colours in the byte order of a Windows COLORREF, 0x00BBGGRR, as the engine stores the block colours. A
// surface converts them to its own order.
using SceneColor = std::uint32_t;

constexpr SceneColor sceneRgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return red | green << 8 | blue << 16;
}

inline constexpr SceneColor sceneBlack = sceneRgb(0, 0, 0);
inline constexpr SceneColor sceneWhite = sceneRgb(255, 255, 255);

enum class PenStyle { Solid, Dotted };

// The outline of a rectangle or the stroke of a line. A width above 1 is centred on the line. A dotted pen
// paints its gaps too, in their own colour; a solid pen has none.
struct ScenePen {
    PenStyle style = PenStyle::Solid;
    int width = 1;
    SceneColor color = sceneBlack;
    SceneColor gaps = sceneWhite;

    bool operator==(const ScenePen&) const = default;
};

// A rectangle's inside: a colour, or nothing, so that what lies below shows through.
struct SceneFill {
    bool hollow = false;
    SceneColor color = sceneWhite;

    bool operator==(const SceneFill&) const = default;
};

// A font asked for by face name; a surface that lacks the face chooses its own stand-in. Height and average
// character width in pixels; weight from 100 (thin) to 900, 400 normal, 700 bold.
struct SceneFont {
    std::string face{};
    int height = 0;
    int width = 0;
    int weight = 400;

    bool operator==(const SceneFont&) const = default;
};

enum class TextAlign { Left, Centre };

// How a text sits in its rectangle, as GDI's DrawText flags say it.
struct TextFormat {
    TextAlign align = TextAlign::Left;
    bool verticallyCentred = false; // on the rectangle's mid-point, even when the rectangle is upside down
    bool singleLine = false;
    bool clipped = true;      // nothing shows outside the rectangle
    bool expandsTabs = false; // a tab is drawn as the font draws it, not as a column stop

    bool operator==(const TextFormat&) const = default;
};

// The four pictures of the main view, each resolved by a surface to its own image.
enum class ScenePicture { Splash, DirectMapping, AssociativeMapping, SetAssociativeMapping };

// A rectangle outlined with the pen and filled inside the outline.
struct RectangleCmd {
    SceneRect rect{};
    ScenePen pen{};
    SceneFill fill{};
};

// Straight segments from each point to the next, each drawn on its own with its own ends, as GDI draws one
// line after another (no joins). Two points make one line.
struct PolylineCmd {
    std::vector<ScenePoint> points{};
    ScenePen pen{};
};

// One text in its rectangle, UTF-8, in the colour on an opaque band of the background colour as wide as the
// text.
struct TextCmd {
    std::string text{};
    SceneRect rect{};
    SceneFont font{};
    TextFormat format{};
    SceneColor color = sceneBlack;
    SceneColor background = sceneWhite;
};

// A picture at its own size, its top-left corner at the point.
struct PictureCmd {
    ScenePicture picture = ScenePicture::Splash;
    ScenePoint corner{};
};

// Square cells of cellSize pixels that tile the area from its top-left corner, each outlined with the pen and
// filled, as if every one were a RectangleCmd of its own: a dotted outline starts its pattern afresh in each.
struct GridCmd {
    SceneRect area{};
    int cellSize = 0;
    ScenePen pen{};
    SceneFill fill{};
};

using SceneCommand = std::variant<RectangleCmd, PolylineCmd, TextCmd, PictureCmd, GridCmd>;
using Scene = std::vector<SceneCommand>;

