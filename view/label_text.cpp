#include "view/label_text.h"

#include <charconv>
#include <utility>

SceneFont labelFont(const ViewLayout& layout) {
    return SceneFont{.face = "NewFont", .height = labelFontHeight(layout), .width = 7, .weight = 700};
}

void addLabel(Scene& scene, std::string text, const SceneRect& rect, const SceneFont& font,
              TextFormat format) {
    scene.emplace_back(TextCmd{.text = std::move(text), .rect = rect, .font = font, .format = format});
}

std::string numberText(std::uint32_t value, int base) {
    char digits[32]; // 32 binary digits, the longest any base gives
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, value, base);
    return std::string(digits, end.ptr);
}
