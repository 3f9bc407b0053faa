#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// Every label and title is one line, vertically centred and clipped to its rectangle; tabs are not expanded.
inline constexpr UINT centredLine = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
inline constexpr UINT leftAlignedLine = DT_SINGLELINE | DT_VCENTER;

// Draws text in the DC's current font, black on the DC's opaque white background.
void drawLabel(HDC dc, const std::wstring& text, const RECT& rect, UINT flags);

// The runtime's integer-to-text conversion: no leading zeros, lower-case digits in base 16, no prefix.
std::wstring numberText(std::uint32_t value, int base = 10);
