#include "view/label_text.h"

#include <cstdlib>

void drawLabel(HDC dc, const std::wstring& text, const RECT& rect, UINT flags) {
    RECT bounds = rect; // DrawTextW takes a writable rectangle
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &bounds, flags);
}

std::wstring numberText(std::uint32_t value, int base) {
    wchar_t digits[33] = {}; // 32 binary digits and the terminator, the longest any base gives
    _ultow(value, digits, base);
    return digits;
}
