#include "practice/answer_reading.h"

#include <charconv>

namespace {

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The whole text as a number in the base; from_chars alone would take a prefix and leave the rest.
template <typename Number> std::optional<Number> readWhole(std::string_view text, int base) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

bool hasHexPrefix(std::string_view text) {
    return text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

} // namespace

std::optional<std::uint32_t> readAnswerNumber(std::string_view text) {
    const std::string_view number = trimBlanks(text);
    if (hasHexPrefix(number)) {
        return readWhole<std::uint32_t>(number.substr(2), 16);
    }
    return readWhole<std::uint32_t>(number, 10);
}

std::optional<int> readReplacedAnswer(std::string_view text) {
    const std::string_view answer = trimBlanks(text);
    if (answer == "-") {
        return -1;
    }
    const std::optional<std::uint32_t> block = readAnswerNumber(answer);
    if (!block || *block > 0x7fffffffu) {
        return std::nullopt;
    }
    return static_cast<int>(*block);
}

bool isBlankAnswer(std::string_view text) {
    return trimBlanks(text).empty();
}

std::optional<std::uint64_t> readExerciseNumber(std::string_view text) {
    return readWhole<std::uint64_t>(trimBlanks(text), 10);
}

std::optional<std::uint32_t> readSheetCount(std::string_view text) {
    const std::optional<std::uint32_t> count = readWhole<std::uint32_t>(trimBlanks(text), 10);
    if (!count || *count < 1 || *count > maxSheets) {
        return std::nullopt;
    }
    return count;
}
