// The loop description language: what it reads and the trace it makes, what it refuses and where, and the
// lines a student sees.

#include "lab/loops/loop_check.h"
#include "lab/loops/loop_messages.h"
#include "lab/loops/loop_parser.h"
#include "lab/loops/loop_trace.h"
#include "lab/loops/plain_trace_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Outcome {
    LoopFault fault;
    std::uint64_t accesses = 0;
    std::string firstAccesses; // the first four, as plain lines joined by "; "
};

Outcome readDescription(const std::string& text) {
    Outcome outcome;
    ParsedLoops parsed = parseLoopProgram(text);
    outcome.fault =
        parsed.fault.kind == LoopFaultKind::None ? checkLoopProgram(parsed.program) : parsed.fault;
    if (outcome.fault.kind != LoopFaultKind::None) {
        return outcome;
    }
    outcome.accesses = parsed.program.accesses;
    LoopTrace trace(parsed.program);
    TraceAccess first[4];
    std::string plain;
    appendPlainTrace(first, trace.read(first, 4), plain);
    for (const char c : plain) {
        outcome.firstAccesses += c == '\n' ? "; " : std::string(1, c);
    }
    return outcome;
}

struct LanguageCase {
    LanguageCase(std::string text_, LoopFaultKind fault_, std::uint32_t line_ = 0, std::uint32_t column_ = 0,
                 std::uint64_t accesses_ = 0, std::string first_ = {})
        : text(std::move(text_)), fault(fault_), line(line_), column(column_), accesses(accesses_),
          firstAccesses(std::move(first_)) {}
    std::string text;
    LoopFaultKind fault;
    std::uint32_t line = 0;
    std::uint32_t column = 0;
    std::uint64_t accesses = 0;
    std::string firstAccesses;
};

constexpr LoopFaultKind ok = LoopFaultKind::None;

TEST(LoopLanguage, ReadsAndRefusesEachInputAtItsPlace) {
    const std::string A = "array A int[4][8] at 0x100\n";
    const std::vector<LanguageCase> cases = {
        // Read: placement, layout, types, ranges, steps, expressions, comments, CRLF, tabs.
        {A + "for i in 0..4\n  for j in 0..8\n    read A[i][j]\n", ok, 0, 0, 32,
         "R 0x100 4; R 0x104 4; R 0x108 4; R 0x10c 4; "},
        {A + "for j in 0..8\n  for i in 0..4\n    write A[i][j]\n", ok, 0, 0, 32,
         "W 0x100 4; W 0x120 4; W 0x140 4; W 0x160 4; "},
        {"array A short[3][5] column-major\nfor i in 0..3\n  modify A[i][4]\n", ok, 0, 0, 3,
         "M 0x18 2; M 0x1a 2; M 0x1c 2; "},
        {"array x char[3]\narray y double[2] after x\narray z long[2] after y align 64\nread y[1]\nread "
         "z[0]\n",
         ok, 0, 0, 2, "R 0x10 8; R 0x40 8; "},
        {"let N = 10\narray v float[N]\nfor i in N-1..-1 step -3\n\tread v[i]\n", ok, 0, 0, 4,
         "R 0x24 4; R 0x18 4; R 0xc 4; R 0x0 4; "},
        {"array v int[100] # a vector\r\n# the walk\r\nfor i in 0..5\r\n  read v[(i * 7 + 3) % 10 - -1]\r\n",
         ok, 0, 0, 5, "R 0x10 4; R 0x4 4; R 0x20 4; R 0x14 4; "},
        {"array v int[9]\nfor i in 0..3\n  for j in i..3\n    read v[i * 3 + j]\n  write v[min(i, 1) + "
         "max(i, 7)]\n",
         ok, 0, 0, 9, "R 0x0 4; R 0x4 4; R 0x8 4; W 0x1c 4; "},
        {"array v int[4]\nfor i in 0..4\n  for j in i..i\n    read v[j]\nread v[0]\n", ok, 0, 0, 1,
         "R 0x0 4; "},
        // Refused as it is read.
        {"array A int[4]\nread A[1] + 1\n", LoopFaultKind::Expected, 2, 11},
        {"array A int[4]\nread A[1\n", LoopFaultKind::Expected, 2, 9},
        {"array A int[4]\nfor i in 0...4\n  read A[i]\n", LoopFaultKind::UnexpectedCharacter, 2, 13},
        {"array A int[4]\nfor i from 0..4\n  read A[i]\n", LoopFaultKind::Expected, 2, 7},
        {"array A int[4] diagonal-major\n", LoopFaultKind::Expected, 1, 16},
        {"array A int[4] row major\n", LoopFaultKind::Expected, 1, 20},
        {"array A int\n", LoopFaultKind::Expected, 1, 12},
        {"array A int[4]\nread A[2 $ 1]\n", LoopFaultKind::UnexpectedCharacter, 2, 10},
        {"array A int[4]\nread A[0x]\n", LoopFaultKind::UnexpectedCharacter, 2, 9},
        {"array A int[9223372036854775808]\n", LoopFaultKind::NumberTooLarge, 1, 13},
        {"array for int[4]\n", LoopFaultKind::ReservedWord, 1, 7},
        {"array A integer[4]\n", LoopFaultKind::UnknownType, 1, 9},
        {"array A int[4]\nread B[0]\n", LoopFaultKind::UnknownArray, 2, 6},
        {"array A int[4]\narray B int[4] after C\n", LoopFaultKind::UnknownArray, 2, 22},
        {"array A int[4]\nfor i in 0..4\n  read A[k]\n", LoopFaultKind::UnknownName, 3, 10},
        {"array A int[4]\nfor i in 0..4\n  read A[0]\nread A[i]\n", LoopFaultKind::UnknownName, 4, 8},
        {"let A = 1\narray A int[4]\n", LoopFaultKind::NameTaken, 2, 7},
        {"array A int[4]\nfor i in 0..2\n  for i in 0..2\n    read A[i]\n", LoopFaultKind::VariableReused, 3,
         7},
        {"array A int[4]\nfor i in 0..2\n  array B int[4]\n", LoopFaultKind::DeclarationInLoop, 3, 3},
        {"array A int[2][2][2][2]\n", LoopFaultKind::TooManyDimensions, 1, 21},
        {"array A int[4][2 - 2]\n", LoopFaultKind::DimensionNotPositive, 1, 16},
        {"array A int[4][4]\nread A[1]\n", LoopFaultKind::IndexCount, 2, 1},
        {"array A int[4] at -16\n", LoopFaultKind::AddressNegative, 1, 19},
        {"array A int[4]\narray B int[4] after A align 48\n", LoopFaultKind::AlignNotPowerOfTwo, 2, 30},
        {"array A int[4] at 64 align 64\n", LoopFaultKind::AlignWithAt, 1, 28},
        {"array A int[4] at 64 after A\n", LoopFaultKind::ClauseTwice, 1, 22},
        {"array A long[1048576][1048576][1048576]\n", LoopFaultKind::ArrayTooLarge, 1, 1},
        {"array A char[9223372036854775807] at 9223372036854775807\narray B char[9223372036854775807] after "
         "A\n",
         LoopFaultKind::ArrayTooLarge, 2, 1},
        {"array A int[4]\n  read A[0]\n", LoopFaultKind::IndentUnexpected, 2, 3},
        {"array A int[4]\nfor i in 0..4\n    read A[i]\n  read A[i]\n", LoopFaultKind::IndentUnmatched, 4, 3},
        {"array A int[4]\nfor i in 0..4\nread A[0]\n", LoopFaultKind::LoopWithoutBody, 2, 1},
        {"array A int[4]\nfor i in 0..4\n", LoopFaultKind::LoopWithoutBody, 2, 1},
        {"array A int[4]\nfor a in 0..1\n for b in 0..1\n  for c in 0..1\n   for d in 0..1\n    for e in "
         "0..1\n"
         "     for f in 0..1\n      for g in 0..1\n       for h in 0..1\n        for k in 0..1\n         "
         "read A[0]\n",
         LoopFaultKind::TooDeep, 10, 9},
        {"array A int[4]\nread A[" + std::string(40, '(') + "0" + std::string(40, ')') + "]\n",
         LoopFaultKind::ExpressionTooDeep, 2, 41},
        {"# nothing\narray A int[4]\n", LoopFaultKind::NoAccesses, 0, 0},
        {"array A int[4]\nfor i in 0..4 step 2 - 2\n  read A[i]\n", LoopFaultKind::StepZero, 2, 20},
        {"array A int[4]\nread A[9223372036854775807 + 1]\n", LoopFaultKind::Overflow, 2, 28},
        {"array A int[4]\nread A[1 / 0]\n", LoopFaultKind::DivisionByZero, 2, 10},
        // Refused as the loops are checked, at the first turn at fault.
        {A + "for i in 0..4\n  for j in 0..9\n    read A[i][j]\n", LoopFaultKind::IndexOutside, 4, 15},
        {A + "for i in 0..4\n  for j in 0..8\n    read A[3 - i * 2][j]\n", LoopFaultKind::IndexOutside, 4,
         12},
        {A + "for i in 0..4\n  read A[0][7 / (2 - i)]\n", LoopFaultKind::DivisionByZero, 3, 15},
        {A + "for i in 0..4\n  for j in 0..4\n    read A[0][j * (9223372036854775807 - i) * 0]\n",
         LoopFaultKind::Overflow, 4, 17},
        {A + "for i in 0..4\n  for j in 0..i step i\n    read A[0][j]\n", LoopFaultKind::StepZero, 3, 22},
        {A + "for i in 3..0\n  read A[0][i]\n", LoopFaultKind::EmptyRange, 2, 10},
        {A + "for i in 0..100000\n  for j in 0..1001\n    read A[0][0]\n", LoopFaultKind::TraceTooLong, 3, 3},
        {A + "for i in 0..1000000000\n  for j in 0..i - i\n    read A[0][0]\n", LoopFaultKind::TooManyTurns,
         2, 1},
    };
    for (const LanguageCase& c : cases) {
        SCOPED_TRACE(c.text);
        const Outcome outcome = readDescription(c.text);
        EXPECT_EQ(outcome.fault.kind, c.fault);
        EXPECT_EQ(outcome.fault.line, c.line);
        EXPECT_EQ(outcome.fault.column, c.column);
        EXPECT_EQ(outcome.accesses, c.accesses);
        EXPECT_EQ(outcome.firstAccesses, c.firstAccesses);
    }
}

TEST(LoopLanguage, MessagesNameThePlaceAndTheValues) {
    const std::string A = "array A int[4][8]\n";
    const auto message = [](const std::string& text, LabLanguage language) {
        return loopFaultMessage(language, "sum.loops", readDescription(text).fault);
    };
    EXPECT_EQ(message(A + "for i in 0..4\n  for j in 0..9\n    read A[i][j]\n", LabLanguage::English),
              "sum.loops:4:15: index 2 of \"A\" is 8, outside 0..7 (when i = 0, j = 8)");
    EXPECT_EQ(message(A + "for i in 0..4\n  read A[i 0]\n", LabLanguage::Romanian),
              "sum.loops:3:12: se asteapta \"]\", nu \"0\"");
    EXPECT_EQ(message(A + "for i in 0..4\n  read A[i][0\n", LabLanguage::English),
              "sum.loops:3:14: \"]\" expected before the end of the line");
    EXPECT_EQ(message(A, LabLanguage::English),
              "sum.loops: no read, write or modify: the description makes no trace");
}

} // namespace
