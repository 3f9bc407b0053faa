#pragma once

#include "dialog/dialog_fields.h"
#include "language/language.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The dialog's contents at one or more successive presses of "Setare mod" and START SIMULARE.
struct RunSegment {
    DialogFields fields;
    std::uint32_t runs = 1;
};

// What the command line asks for: one segment per --then, the last one pressed --runs times. It takes memory
// in proportion to the command line, however many runs it asks for.
struct TextCommand {
    std::vector<RunSegment> segments;
    bool printEach = false;
    bool printSteps = false;     // every step as CSV instead of the report
    bool compareMethods = false; // the five methods' figures instead of the report
    bool comparisonCsv = false;  // those figures as CSV
    bool printScene = false;     // the main view's drawing commands instead of the report
    std::optional<std::uint64_t> seed;
    bool showHelp = false;
    // An exercise sheet instead of any run: its number, how many sheets from it, the key, Markdown.
    std::optional<std::uint64_t> exerciseSeed;
    std::uint32_t exerciseCount = 1;
    bool exerciseAnswers = false;
    bool exerciseMarkdown = false;
    Language language = Language::Romanian; // of every output but the CSV's names and words
};

// The command, or a one-line usage error (non-empty error).
struct ParsedCommand {
    TextCommand command;
    std::string error;
};

inline constexpr std::uint32_t maxRuns = 1000000;
inline constexpr std::uint32_t maxExercises = 1000;

ParsedCommand parseTextCommand(std::span<const std::string_view> arguments);

// What --help prints: every option under its group's heading, then the exit statuses; the dialog's texts it
// names in language.
std::string textUsage(Language language = Language::Romanian);

// The options the command line accepts, in the order the usage lists them.
std::vector<std::string_view> textOptionNames();
