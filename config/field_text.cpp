#include "config/field_text.h"

namespace {

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

} // namespace

FieldNumber readFieldNumber(std::string_view text) {
    const std::string_view digits = trimBlanks(text);
    if (digits.empty()) {
        return {};
    }
    std::uint64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return {};
        }
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > 0xffffffffULL) {
            return {};
        }
    }
    return FieldNumber{static_cast<std::uint32_t>(value), true};
}
