#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The texts a student or a teacher types into the practice and sheet windows, read by one rule for every
// front-end. Blanks around a text are allowed; nothing else is guessed.

// A number of an access's answer: decimal, or hexadecimal after "0x" as the sheets print it in brackets; up
// to 4294967295. Nothing for any other text.
std::optional<std::uint32_t> readAnswerNumber(std::string_view text);

// The replaced block: a block number, or -1 for none, "-" as the sheets write it. An empty answer is no
// answer, not "-".
std::optional<int> readReplacedAnswer(std::string_view text);

// Nothing but blanks: a question the student has not answered yet.
bool isBlankAnswer(std::string_view text);

// An exercise's number, as --exercise takes it: decimal, 0 to 18446744073709551615.
std::optional<std::uint64_t> readExerciseNumber(std::string_view text);

// A count of sheets, 1 to maxSheets.
inline constexpr std::uint32_t maxSheets = 100;
std::optional<std::uint32_t> readSheetCount(std::string_view text);
