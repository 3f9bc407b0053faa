#pragma once

#include "cli/dialog_fields.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// What the command line asks for: the dialog's contents at each press of "Setare mod" and START SIMULARE.
struct TextCommand {
    std::vector<DialogFields> runs;
    bool printEach = false;
    std::optional<std::uint64_t> seed;
    bool showHelp = false;
};

// The command, or a one-line usage error (non-empty error).
struct ParsedCommand {
    TextCommand command;
    std::string error;
};

inline constexpr std::uint32_t maxRuns = 1000000;

ParsedCommand parseTextCommand(std::span<const std::string_view> arguments);

extern const char* const textUsage;
