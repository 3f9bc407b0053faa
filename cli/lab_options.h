#pragma once

#include "lab/example_traces.h"
#include "lab/lab_texts.h"
#include "lab/trace_reader.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// What a command line of tarvel_cache_lab asks for.
enum class LabOutput : std::uint8_t { Table, Csv, Json, Steps, Sweep };

struct LabCommand {
    std::vector<std::string_view> levels; // each --level's text, L1 first
    std::uint64_t memoryCycles = 100;
    std::uint64_t seed = 1;
    std::string_view tracePath; // a file, or "-" for standard input; empty with an example
    std::optional<ExampleTrace> example;
    std::string_view loopsPath;      // --loops: a loop description's file
    std::string_view templateChoice; // --template: NAME[,KEY=VALUE...]
    bool listTemplates = false;      // --template list
    bool emitTrace = false;          // the trace in the plain format instead of a run
    TraceOptions traceOptions;
    LabOutput output = LabOutput::Table;
    LabLanguage language = LabLanguage::Romanian;
    bool showHelp = false;
};

// The command, or a one-line usage error in the command's language (non-empty error).
struct ParsedLabCommand {
    LabCommand command;
    std::string error;
};

inline constexpr std::uint64_t maxMemoryCycles = 1000000000;

ParsedLabCommand parseLabCommand(std::span<const std::string_view> arguments);

// The options the command line accepts, in the order the usage lists them.
std::vector<std::string_view> labOptionNames();
