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
