#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Code units of a wide or UTF-16 text as UTF-8 bytes, one unit at a time (the texts typed and named here lie
// in the Basic Multilingual Plane: no unit above 0xffff, no surrogate pair).
template <class Unit> std::string utf8Text(const Unit* units, std::size_t count) {
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i) {
        const auto code = static_cast<std::uint32_t>(units[i]);
        if (code < 0x80) {
            bytes += static_cast<char>(code);
        } else if (code < 0x800) {
            bytes += static_cast<char>(0xc0 | (code >> 6));
            bytes += static_cast<char>(0x80 | (code & 0x3f));
        } else {
            bytes += static_cast<char>(0xe0 | ((code >> 12) & 0x0f));
            bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3f));
            bytes += static_cast<char>(0x80 | (code & 0x3f));
        }
    }
    return bytes;
}
