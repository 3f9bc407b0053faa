#pragma once

#include "lab/loops/loop_fault.h"

#include <cstdint>
#include <string_view>
#include <vector>

// The words, numbers and signs of one line of a loop description, up to its comment.

enum class TokenKind : std::uint8_t {
    Name,
    Number,
    LeftBracket,
    RightBracket,
    LeftParenthesis,
    RightParenthesis,
    Plus,
    Minus,
    Star,
    Slash,
    Percent,
    Comma,
    Equals,
    Range, // ..
    End,   // the line's end or its comment
};

struct LoopToken {
    TokenKind kind = TokenKind::End;
    std::string_view text;
    std::uint32_t column = 0; // 1-based, in bytes
    std::int64_t number = 0;
};

// The tokens of code, which starts at column firstColumn of line, ended by an End token; false with the
// fault at the first character that belongs to no token or a number over 2^63 - 1.
bool lexLine(std::string_view code, std::uint32_t line, std::uint32_t firstColumn,
             std::vector<LoopToken>& tokens, LoopFault& fault);
