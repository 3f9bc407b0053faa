#pragma once

#include <cstdint>
#include <string_view>

// A field's text read as the Configuration dialog reads it: an unsigned decimal number, blanks around it
// allowed. Empty text, a non-number or a value above 4294967295 reads as 0 and as not entered. The same rule
// serves the dialog and the text front-end on every platform.
struct FieldNumber {
    std::uint32_t value = 0;
    bool entered = false;
};

FieldNumber readFieldNumber(std::string_view text);

// The character a field's text holds for one UTF-16 code unit typed into it: ASCII as it is, anything else
// '?'. The fields take digits; any other character a platform lets through only has to read as one that is
// not a digit, the same in every front-end that reads what a user typed.
constexpr char fieldCharacter(std::uint32_t codeUnit) {
    return codeUnit < 0x80 ? static_cast<char>(codeUnit) : '?';
}
