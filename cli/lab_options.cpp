#include "cli/lab_options.h"

#include "lab/lab_messages.h"
#include "lab/loops/loop_texts.h"

#include <charconv>
#include <limits>

namespace {

struct LabCommandBuilder {
    LabCommand command;
    std::string error;
    std::string_view formatOption; // --format or --no-ifetch, which an example excludes

    bool fail(LabText text, std::initializer_list<std::string_view> values) {
        error = labText(command.language, text, values);
        return false;
    }
};

struct LabOption {
    std::string_view name;
    bool takesValue;
    bool (*apply)(LabCommandBuilder& builder, std::string_view name, std::string_view value);
};

std::optional<std::uint64_t> parseWhole(std::string_view text) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

template <std::uint64_t LabCommand::*field, std::uint64_t max>
bool setWhole(LabCommandBuilder& builder, std::string_view name, std::string_view value) {
    const std::optional<std::uint64_t> number = parseWhole(value);
    if (!number || *number > max) {
        return builder.fail(LabText::UsageBadWhole, {name, "0", std::to_string(max), value});
    }
    builder.command.*field = *number;
    return true;
}

bool addLevel(LabCommandBuilder& builder, std::string_view /*name*/, std::string_view value) {
    builder.command.levels.push_back(value);
    return true;
}

// The trace already given: a file, --example, --loops or --template; empty when none.
std::string_view givenTrace(const LabCommand& command) {
    return command.example                   ? std::string_view("--example")
           : !command.loopsPath.empty()      ? std::string_view("--loops")
           : !command.templateChoice.empty() ? std::string_view("--template")
                                             : command.tracePath;
}

bool setTrace(LabCommandBuilder& builder, std::string_view path) {
    LabCommand& command = builder.command;
    if (!givenTrace(command).empty()) {
        return builder.fail(LabText::UsageTwoTraces, {givenTrace(command), path});
    }
    command.tracePath = path;
    return true;
}

bool setExample(LabCommandBuilder& builder, std::string_view name, std::string_view value) {
    if (!givenTrace(builder.command).empty()) {
        return setTrace(builder, name);
    }
    builder.command.example = exampleTraceNamed(value);
    return builder.command.example || builder.fail(LabText::UsageBadChoice, {name, "rows, columns", value});
}

bool setFormat(LabCommandBuilder& builder, std::string_view name, std::string_view value) {
    const std::optional<TraceFormat> format = traceFormatNamed(value);
    if (!format) {
        return builder.fail(LabText::UsageBadChoice, {name, "auto, plain, din, lackey", value});
    }
    builder.command.traceOptions.format = *format;
    builder.formatOption = name;
    return true;
}

bool leaveFetchesOut(LabCommandBuilder& builder, std::string_view name, std::string_view /*value*/) {
    builder.command.traceOptions.instructionFetches = false;
    builder.formatOption = name;
    return true;
}

bool setLoops(LabCommandBuilder& builder, std::string_view name, std::string_view value) {
    if (!givenTrace(builder.command).empty()) {
        return setTrace(builder, name);
    }
    builder.command.loopsPath = value;
    return true;
}

bool setTemplate(LabCommandBuilder& builder, std::string_view name, std::string_view value) {
    if (value == "list") {
        builder.command.listTemplates = true;
        return true;
    }
    if (!givenTrace(builder.command).empty()) {
        return setTrace(builder, name);
    }
    builder.command.templateChoice = value;
    return true;
}

bool emitTrace(LabCommandBuilder& builder, std::string_view, std::string_view) {
    builder.command.emitTrace = true;
    return true;
}

template <LabOutput output> bool setOutput(LabCommandBuilder& builder, std::string_view, std::string_view) {
    if (builder.command.output != LabOutput::Table && builder.command.output != output) {
        return builder.fail(LabText::UsageOutputsExclusive, {});
    }
    builder.command.output = output;
    return true;
}

std::optional<LabLanguage> languageNamed(std::string_view name) {
    if (name == "ro") {
        return LabLanguage::Romanian;
    }
    if (name == "en") {
        return LabLanguage::English;
    }
    return std::nullopt;
}

bool setLanguage(LabCommandBuilder& builder, std::string_view name, std::string_view value) {
    const std::optional<LabLanguage> language = languageNamed(value);
    return language || builder.fail(LabText::UsageBadChoice, {name, "ro, en", value});
}

bool showHelp(LabCommandBuilder& builder, std::string_view, std::string_view) {
    builder.command.showHelp = true;
    return true;
}

constexpr std::uint64_t anyNumber = std::numeric_limits<std::uint64_t>::max();

constexpr LabOption labOptions[] = {
    {"--example", true, setExample},
    {"--loops", true, setLoops},
    {"--template", true, setTemplate},
    {"--emit-trace", false, emitTrace},
    {"--format", true, setFormat},
    {"--no-ifetch", false, leaveFetchesOut},
    {"--level", true, addLevel},
    {"--memory", true, setWhole<&LabCommand::memoryCycles, maxMemoryCycles>},
    {"--seed", true, setWhole<&LabCommand::seed, anyNumber>},
    {"--csv", false, setOutput<LabOutput::Csv>},
    {"--json", false, setOutput<LabOutput::Json>},
    {"--steps", false, setOutput<LabOutput::Steps>},
    {"--sweep", false, setOutput<LabOutput::Sweep>},
    {"--lang", true, setLanguage},
    {"--help", false, showHelp},
};

const LabOption* findOption(std::string_view name) {
    for (const LabOption& option : labOptions) {
        if (option.name == name) {
            return &option;
        }
    }
    return nullptr;
}

std::string acceptedOptions() {
    std::string accepted;
    for (const std::string_view name : labOptionNames()) {
        accepted += (accepted.empty() ? "" : ", ") + std::string(name);
    }
    return accepted;
}

// The language the errors are written in: the last valid --lang, read before anything else.
LabLanguage commandLanguage(std::span<const std::string_view> arguments) {
    LabLanguage language = LabLanguage::Romanian;
    for (std::size_t i = 0; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == "--lang") {
            language = languageNamed(arguments[i + 1]).value_or(language);
        }
    }
    return language;
}

bool readArguments(std::span<const std::string_view> arguments, LabCommandBuilder& builder) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "-" || !argument.starts_with('-')) {
            if (!setTrace(builder, argument)) {
                return false;
            }
            continue;
        }
        const LabOption* option = findOption(argument);
        if (option == nullptr) {
            return builder.fail(LabText::UsageUnknownOption, {argument, acceptedOptions()});
        }
        if (option->takesValue && i + 1 == arguments.size()) {
            return builder.fail(LabText::UsageNeedsValue, {argument});
        }
        if (!option->apply(builder, argument, option->takesValue ? arguments[++i] : std::string_view())) {
            return false;
        }
    }
    return true;
}

bool checkChoices(LabCommandBuilder& builder) {
    const LabCommand& command = builder.command;
    if (command.showHelp || command.listTemplates) {
        return true;
    }
    if (givenTrace(command).empty()) {
        return builder.fail(LabText::UsageNoTrace, {});
    }
    if (command.example && !builder.formatOption.empty()) {
        return builder.fail(LabText::UsageExampleAndFormat, {builder.formatOption});
    }
    if (command.tracePath.empty() && !builder.formatOption.empty()) {
        builder.error = loopText(command.language, LoopText::UsageLoopsAndFormat,
                                 {builder.formatOption, givenTrace(command)});
        return false;
    }
    if (command.emitTrace && command.output != LabOutput::Table) {
        builder.error = loopText(command.language, LoopText::UsageEmitExclusive);
        return false;
    }
    if (command.output == LabOutput::Sweep && command.levels.size() > 1) {
        return builder.fail(LabText::UsageSweepOneLevel, {});
    }
    return true;
}

} // namespace

ParsedLabCommand parseLabCommand(std::span<const std::string_view> arguments) {
    LabCommandBuilder builder;
    builder.command.language = commandLanguage(arguments);
    if (!readArguments(arguments, builder) || !checkChoices(builder)) {
        ParsedLabCommand failed;
        failed.command.language = builder.command.language;
        failed.error = builder.error;
        return failed;
    }
    return ParsedLabCommand{std::move(builder.command), {}};
}

std::vector<std::string_view> labOptionNames() {
    std::vector<std::string_view> names;
    for (const LabOption& option : labOptions) {
        names.push_back(option.name);
    }
    return names;
}
