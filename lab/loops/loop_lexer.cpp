#include "lab/loops/loop_lexer.h"

#include <limits>
#include <string>

namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

int digitValue(char c, int base) {
    const int value = isDigit(c)               ? c - '0'
                      : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                      : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                               : 99;
    return value < base ? value : -1;
}

TokenKind signKind(char c) {
    switch (c) {
    case '[':
        return TokenKind::LeftBracket;
    case ']':
        return TokenKind::RightBracket;
    case '(':
        return TokenKind::LeftParenthesis;
    case ')':
        return TokenKind::RightParenthesis;
    case '+':
        return TokenKind::Plus;
    case '-':
        return TokenKind::Minus;
    case '*':
        return TokenKind::Star;
    case '/':
        return TokenKind::Slash;
    case '%':
        return TokenKind::Percent;
    case ',':
        return TokenKind::Comma;
    case '=':
        return TokenKind::Equals;
    default:
        return TokenKind::End;
    }
}

// A character that is no part of the language, written so that a message can show it.
std::string shownCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F) {
        return std::string(1, c);
    }
    constexpr char hex[] = "0123456789abcdef";
    return std::string("\\x") + hex[byte >> 4] + hex[byte & 15];
}

// Decimal digits, or hexadecimal after 0x; at least one digit, and no letter straight after them.
std::size_t scanNumber(std::string_view code, std::size_t at, LoopToken& token, bool& tooLarge) {
    int base = 10;
    std::size_t p = at;
    if (code[p] == '0' && p + 1 < code.size() && (code[p + 1] == 'x' || code[p + 1] == 'X')) {
        base = 16;
        p += 2;
    }
    const std::size_t digits = p;
    std::uint64_t value = 0;
    constexpr auto max = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    for (int digit; p < code.size() && (digit = digitValue(code[p], base)) >= 0; ++p) {
        const auto d = static_cast<std::uint64_t>(digit);
        tooLarge = tooLarge || value > (max - d) / static_cast<std::uint64_t>(base);
        value = tooLarge ? 0 : value * static_cast<std::uint64_t>(base) + d;
    }
    token.number = static_cast<std::int64_t>(value);
    return p == digits ? at + 1 : p; // "0x" alone: the x is the stray character
}

bool failAt(LoopFault& fault, LoopFaultKind kind, std::uint32_t line, std::uint32_t column,
            std::string text) {
    fault = {};
    fault.kind = kind;
    fault.line = line;
    fault.column = column;
    fault.text = std::move(text);
    return false;
}

} // namespace

bool lexLine(std::string_view code, std::uint32_t line, std::uint32_t firstColumn,
             std::vector<LoopToken>& tokens, LoopFault& fault) {
    tokens.clear();
    std::size_t at = 0;
    const auto columnOf = [&](std::size_t offset) {
        return firstColumn + static_cast<std::uint32_t>(offset);
    };
    while (at < code.size() && code[at] != '#') {
        const char c = code[at];
        if (isBlank(c)) {
            ++at;
            continue;
        }
        LoopToken token;
        token.column = columnOf(at);
        std::size_t end = at + 1;
        bool tooLarge = false;
        if (isLetter(c)) {
            token.kind = TokenKind::Name;
            while (end < code.size() && (isLetter(code[end]) || isDigit(code[end]))) {
                ++end;
            }
        } else if (isDigit(c)) {
            token.kind = TokenKind::Number;
            end = scanNumber(code, at, token, tooLarge);
            if (end < code.size() && (isLetter(code[end]) || isDigit(code[end]))) {
                return failAt(fault, LoopFaultKind::UnexpectedCharacter, line, columnOf(end),
                              shownCharacter(code[end]));
            }
        } else if (c == '.' && at + 1 < code.size() && code[at + 1] == '.') {
            token.kind = TokenKind::Range;
            end = at + 2;
        } else if ((token.kind = signKind(c)) == TokenKind::End) {
            return failAt(fault, LoopFaultKind::UnexpectedCharacter, line, token.column, shownCharacter(c));
        }
        token.text = code.substr(at, end - at);
        if (tooLarge) {
            return failAt(fault, LoopFaultKind::NumberTooLarge, line, token.column,
                          std::string(token.text.substr(0, 40)));
        }
        tokens.push_back(token);
        at = end;
    }
    LoopToken end;
    end.column = columnOf(at);
    tokens.push_back(end);
    return true;
}
