#pragma once

#include <cstdint>
#include <string>

// What is wrong with a loop description, and where: a line and a column (1-based; line 0 for the
// description as a whole), with the pieces its message names.

enum class LoopFaultKind : std::uint8_t {
    None,
    DescriptionTooLarge,
    UnexpectedCharacter, // text: the character
    NumberTooLarge,      // text: the number
    Expected,       // expected: what the line needs here; text: what stands there (empty at the line's end)
    ReservedWord,   // text
    UnknownType,    // text
    UnknownArray,   // text
    UnknownName,    // text
    NameTaken,      // text
    VariableReused, // text: the variable of an enclosing loop
    DeclarationInLoop,
    TooManyDimensions,
    DimensionNotPositive, // value
    IndexCount,           // text: the array; value: its dimensions; count: the indices given
    AddressNegative,      // value
    AlignNotPowerOfTwo,   // value
    AlignWithAt,
    ClauseTwice,   // text: the clause given a second time
    ArrayTooLarge, // text
    IndentUnexpected,
    IndentUnmatched,
    LoopWithoutBody,
    TooDeep,
    ExpressionTooDeep,
    NoAccesses,
    // Found while the loops are counted and every index is checked.
    IndexOutside, // text: the array; count: which index (1-based); value: its value; limit: the extent
    DivisionByZero,
    Overflow,
    StepZero,
    EmptyRange,   // value: first; limit: the limit; step in count
    TraceTooLong, // limit: the cap
    TooManyTurns, // limit: the cap
};

enum class LoopExpected : std::uint8_t {
    Statement, // array, let, for, read, write, modify
    Name,
    ArrayName,
    Type,
    Dimension, // [ after the type
    Bracket,   // ]
    OpenParenthesis,
    CloseParenthesis,
    Comma,
    Equals,
    In,
    Range, // ..
    Expression,
    Index,  // [ after an array's name
    Major,  // -major
    Clause, // at, after, align, row-major, column-major
    LineEnd,
};

struct LoopFault {
    LoopFaultKind kind = LoopFaultKind::None;
    std::uint32_t line = 0;
    std::uint32_t column = 0;
    LoopExpected expected = LoopExpected::Statement;
    std::string text;
    std::int64_t value = 0;
    std::int64_t limit = 0;
    std::int64_t count = 0;
    std::string variables; // "i = 3, j = 256": the loop variables where a checked fault arose
};

inline constexpr std::size_t maxLoopDescriptionBytes = std::size_t{1} << 20;
inline constexpr std::uint64_t maxLoopTraceAccesses = 100'000'000;
inline constexpr int maxExpressionDepth = 32;
