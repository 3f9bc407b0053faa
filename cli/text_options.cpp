#include "cli/text_options.h"

#include "config/choice_names.h"
#include "config/field_text.h"
#include "config/list_text.h"
#include "exercise/exercise_sheet.h"
#include "language/catalogue.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace {

// A list of the dialog: the core's item texts, indexed by enumerator value, and the enumerators in the order
// the usage and the errors name them, which is not the alphabetical order of the texts.
struct ChoiceList {
    std::span<const wchar_t* const> texts;
    std::span<const std::int32_t> namedOrder;
};

constexpr std::int32_t mappingOrder[] = {toInt(MappingMethod::Direct), toInt(MappingMethod::Associative),
                                         toInt(MappingMethod::SetAssociative)};
constexpr std::int32_t policyOrder[] = {toInt(ReplacementPolicy::Fifo), toInt(ReplacementPolicy::Lru)};
constexpr std::int32_t modeOrder[] = {toInt(WorkMode::Individual), toInt(WorkMode::GivenSequence),
                                      toInt(WorkMode::RandomSequence)};

constexpr ChoiceList mappingChoices{mappingMethodTexts, mappingOrder};
constexpr ChoiceList policyChoices{replacementPolicyTexts, policyOrder};
constexpr ChoiceList modeChoices{workModeTexts, modeOrder};

// "a", "b" or "c"
std::string quotedItems(const ChoiceList& list) {
    std::string items;
    for (std::size_t i = 0; i < list.namedOrder.size(); ++i) {
        if (i > 0) {
            items += i + 1 == list.namedOrder.size() ? " or " : ", ";
        }
        items += '"' + narrowText(list.texts[static_cast<std::size_t>(list.namedOrder[i])]) + '"';
    }
    return items;
}

// The position of text among the list's items, or noSelection.
std::int32_t itemIndex(std::string_view text, const ChoiceList& list) {
    for (std::size_t i = 0; i < list.texts.size(); ++i) {
        if (narrowText(list.texts[i]) == text) {
            return static_cast<std::int32_t>(i);
        }
    }
    return noSelection;
}

template <typename Number> std::optional<Number> parseWhole(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

class ArgumentReader {
  public:
    explicit ArgumentReader(std::span<const std::string_view> arguments) : arguments_(arguments) {}

    bool done() const { return next_ >= arguments_.size(); }
    std::string_view take() { return arguments_[next_++]; }
    std::optional<std::string_view> takeValue() {
        if (done()) {
            return std::nullopt;
        }
        return take();
    }

  private:
    std::span<const std::string_view> arguments_;
    std::size_t next_ = 0;
};

struct CommandBuilder {
    TextCommand command;
    DialogFields fields;
    int addressesInRun = 0;
    std::uint32_t repeats = 1;
    std::string error;
    std::string_view firstRunOption; // the first option that asks for a run, which an exercise excludes
    std::string_view firstExerciseOption;

    bool fail(std::string message) {
        error = std::move(message);
        return false;
    }

    void pressAgain() {
        command.segments.push_back(RunSegment{fields, 1});
        addressesInRun = 0;
    }
};

struct TextOption;
using OptionAction = bool (*)(CommandBuilder& builder, const TextOption& option, std::string_view value);

// One option of the command line. The usage lists the options in the table's order, each under its group's
// heading, and the parser reads a value after every option that names one.
struct TextOption {
    std::string_view name;
    std::string_view placeholder; // the value's name in the usage; empty for a flag, which takes no value
    std::string_view group;       // the heading the usage lists it under
    OptionAction apply;
    std::string_view help;             // later lines go under the first; empty for a list
    const ChoiceList* items = nullptr; // a list's items, which its help and its error name

    bool takesValue() const { return !placeholder.empty(); }
};

template <std::string DialogFields::*field>
bool typeInto(CommandBuilder& builder, const TextOption& /*option*/, std::string_view value) {
    builder.fields.*field = value;
    return true;
}

template <std::int32_t DialogFields::*selection>
bool selectItem(CommandBuilder& builder, const TextOption& option, std::string_view value) {
    builder.fields.*selection = itemIndex(value, *option.items);
    if (builder.fields.*selection == noSelection) {
        return builder.fail(std::string(option.name) + " accepts " + quotedItems(*option.items) + ", not \"" +
                            std::string(value) + "\"");
    }
    return true;
}

template <bool TextCommand::*flag>
bool setFlag(CommandBuilder& builder, const TextOption& /*option*/, std::string_view /*value*/) {
    builder.command.*flag = true;
    return true;
}

bool addAddress(CommandBuilder& builder, const TextOption& option, std::string_view value) {
    if (builder.addressesInRun == addressFieldCount) {
        return builder.fail("at most " + std::to_string(addressFieldCount) + " " + std::string(option.name) +
                            " options are accepted in one run");
    }
    builder.fields.addresses[static_cast<std::size_t>(builder.addressesInRun++)] = std::string(value);
    return true;
}

bool pressAndEditAgain(CommandBuilder& builder, const TextOption& /*option*/, std::string_view /*value*/) {
    builder.pressAgain();
    return true;
}

bool setRepeats(CommandBuilder& builder, const TextOption& option, std::string_view value) {
    const auto count = parseWhole<std::uint32_t>(value);
    if (!count || *count < 1 || *count > maxRuns) {
        return builder.fail(std::string(option.name) + " accepts a whole number from 1 to " +
                            std::to_string(maxRuns) + ", not \"" + std::string(value) + "\"");
    }
    builder.repeats = *count;
    return true;
}

// A seed: any 64-bit number.
template <std::optional<std::uint64_t> TextCommand::*seed>
bool setSeed(CommandBuilder& builder, const TextOption& option, std::string_view value) {
    builder.command.*seed = parseWhole<std::uint64_t>(value);
    if (!(builder.command.*seed)) {
        return builder.fail(std::string(option.name) + " accepts a whole number from 0 to " +
                            std::to_string(std::numeric_limits<std::uint64_t>::max()) + ", not \"" +
                            std::string(value) + "\"");
    }
    return true;
}

bool setExerciseCount(CommandBuilder& builder, const TextOption& option, std::string_view value) {
    const auto count = parseWhole<std::uint32_t>(value);
    if (!count || *count < 1 || *count > maxExercises) {
        return builder.fail(std::string(option.name) + " accepts a whole number from 1 to " +
                            std::to_string(maxExercises) + ", not \"" + std::string(value) + "\"");
    }
    builder.command.exerciseCount = *count;
    return true;
}

bool setLanguage(CommandBuilder& builder, const TextOption& option, std::string_view value) {
    if (!languageNamed(value, builder.command.language)) {
        return builder.fail(std::string(option.name) + " accepts \"ro\" or \"en\", not \"" +
                            std::string(value) + "\"");
    }
    return true;
}

// A flag's placeholder: it takes no value.
constexpr std::string_view noValue;

constexpr std::string_view fieldsGroup =
    "Dialog fields (each value is the text typed into the field; an omitted field holds \"0\"):";
constexpr std::string_view listsGroup = "Lists (an omitted list has no selection):";
constexpr std::string_view runsGroup = "Runs:";
constexpr std::string_view exerciseGroup = "Exercise sheets (instead of any run):";
constexpr std::string_view outputGroup = "Every output:";

// Every option the command line accepts: the usage, the unknown option's error and the parser all read them
// here.
constexpr TextOption textOptions[] = {
    {"--ram", "TEXT", fieldsGroup, typeInto<&DialogFields::ram>, catalogueText("Dimensiune RAM (Mo)")},
    {"--cache", "TEXT", fieldsGroup, typeInto<&DialogFields::cache>, catalogueText("Dimensiune cache (ko)")},
    {"--block", "TEXT", fieldsGroup, typeInto<&DialogFields::block>, catalogueText("Dimensiune bloc (o)")},
    {"--sets", "TEXT", fieldsGroup, typeInto<&DialogFields::sets>, catalogueText("Numar de seturi")},
    {"--iterations", "TEXT", fieldsGroup, typeInto<&DialogFields::iterations>,
     catalogueText("Numar de iteratii")},
    {"--address", "TEXT", fieldsGroup, addAddress,
     "an address field; repeat up to 10 times to fill fields 0, 1, 2, ..."},
    {"--mapping", "TEXT", listsGroup, selectItem<&DialogFields::mapping>, {}, &mappingChoices},
    {"--policy", "TEXT", listsGroup, selectItem<&DialogFields::policy>, {}, &policyChoices},
    {"--mode", "TEXT", listsGroup, selectItem<&DialogFields::mode>, {}, &modeChoices},
    {"--then", noValue, runsGroup, pressAndEditAgain,
     "press \"Setare mod\" and START SIMULARE, then edit the fields named after it\n"
     "(--address after --then fills fields again from field 0)"},
    {"--runs", "N", runsGroup, setRepeats,
     "press \"Setare mod\" and START SIMULARE N times with the last values (default 1)"},
    {"--each", noValue, runsGroup, setFlag<&TextCommand::printEach>,
     "print the report after every START SIMULARE, not only after the last"},
    {"--steps", noValue, runsGroup, setFlag<&TextCommand::printSteps>,
     "instead of the report, every simulated step of every run as one CSV table:\n"
     "run,step,address,tag,index,word,ram_block,outcome,miss_rate_percent,miss_kind\n"
     "(miss_kind: compulsory, capacity or conflict, empty on a hit)"},
    {"--compare", noValue, runsGroup, setFlag<&TextCommand::compareMethods>,
     "instead of the report, a table per sequence run of the five methods and policies,\n"
     "with the misses of each kind; the sets field counts for set-associative mapping\n"
     "only (the others get \"0\")"},
    {"--csv", noValue, runsGroup, setFlag<&TextCommand::comparisonCsv>,
     "the tables of --compare as one CSV table:\n"
     "run,mapping,policy,steps,misses,miss_rate_percent,compulsory,capacity,conflict"},
    {"--scene", noValue, runsGroup, setFlag<&TextCommand::printScene>,
     "instead of the report, what the main window shows after the last run, laid out for\n"
     "its 904 x 466 client area: one drawing command a line, as JSON Lines"},
    {"--seed", "N", runsGroup, setSeed<&TextCommand::seed>, "make the random sequence reproducible"},
    {"--help", noValue, runsGroup, setFlag<&TextCommand::showHelp>, "print this text"},
    {"--exercise", "SEED", exerciseGroup, setSeed<&TextCommand::exerciseSeed>,
     "print exercise sheet number SEED: a configuration and ten addresses of a given\n"
     "sequence, drawn from the number, and tables to fill in; the same number gives\n"
     "the same sheet everywhere"},
    {"--answers", noValue, exerciseGroup, setFlag<&TextCommand::exerciseAnswers>,
     "the same sheet filled in by the simulator, with the kind of every miss"},
    {"--count", "N", exerciseGroup, setExerciseCount,
     "N sheets, numbered SEED, SEED + 1, ... (at most 1000, the last at most\n"
     "18446744073709551615)"},
    {"--markdown", noValue, exerciseGroup, setFlag<&TextCommand::exerciseMarkdown>,
     "the sheets as Markdown, for a course page"},
    {"--lang", "ro|en", outputGroup, setLanguage,
     "the language of the report, its errors, the tables and the sheets: \"ro\", Romanian,\n"
     "the default, or \"en\", English; the values of the lists stay as above, and the\n"
     "CSV tables keep their column names and words"},
};

const TextOption* findOption(std::string_view name) {
    for (const TextOption& option : textOptions) {
        if (option.name == name) {
            return &option;
        }
    }
    return nullptr;
}

std::string acceptedOptions() {
    std::string accepted;
    for (const std::string_view name : textOptionNames()) {
        accepted += (accepted.empty() ? "" : ", ") + std::string(name);
    }
    return accepted;
}

// Remembers the first option of an exercise and the first that asks for a run (--help and --lang ask for
// neither).
void noteOptionKind(CommandBuilder& builder, const TextOption& option) {
    if (option.group == outputGroup) {
        return;
    }
    std::string_view& first =
        option.group == exerciseGroup ? builder.firstExerciseOption : builder.firstRunOption;
    if (first.empty() && option.name != "--help") {
        first = option.name;
    }
}

bool readArgument(ArgumentReader& reader, CommandBuilder& builder) {
    const std::string_view name = reader.take();
    const TextOption* option = findOption(name);
    if (option == nullptr) {
        return builder.fail("unknown option \"" + std::string(name) + "\"; accepted: " + acceptedOptions());
    }
    noteOptionKind(builder, *option);
    if (!option->takesValue()) {
        return option->apply(builder, *option, {});
    }
    const auto value = reader.takeValue();
    if (!value) {
        return builder.fail(std::string(name) + " needs a value");
    }
    return option->apply(builder, *option, *value);
}

bool selectsIndividualMode(const RunSegment& segment) {
    return segment.fields.mode == toInt(WorkMode::Individual);
}

// An exercise draws its own configuration and runs nothing else; its other options need it.
bool checkExerciseChoice(CommandBuilder& builder) {
    const TextCommand& command = builder.command;
    if (!command.exerciseSeed) {
        return builder.firstExerciseOption.empty() || builder.fail(std::string(builder.firstExerciseOption) +
                                                                   " belongs to an exercise sheet and needs "
                                                                   "--exercise");
    }
    if (!builder.firstRunOption.empty()) {
        return builder.fail("--exercise draws its own configuration and runs nothing else: " +
                            std::string(builder.firstRunOption) + " cannot go with it");
    }
    return sheetNumbersFit(*command.exerciseSeed, command.exerciseCount) ||
           builder.fail("--exercise " + std::to_string(*command.exerciseSeed) + " --count " +
                        std::to_string(command.exerciseCount) + " would number sheets past " +
                        std::to_string(lastExerciseNumber));
}

// The outputs that replace the report exclude each other, and a comparison is one of sequence runs.
bool checkOutputChoice(CommandBuilder& builder) {
    if (!checkExerciseChoice(builder)) {
        return false;
    }
    const TextCommand& command = builder.command;
    if (int{command.printSteps} + int{command.compareMethods} + int{command.printScene} > 1) {
        return builder.fail("--steps, --compare and --scene each replace the report: choose one");
    }
    if (command.comparisonCsv && !command.compareMethods) {
        return builder.fail("--csv writes the tables of --compare and needs it");
    }
    if (command.compareMethods &&
        std::any_of(command.segments.begin(), command.segments.end(), selectsIndividualMode)) {
        return builder.fail("--compare compares sequence runs: \"" +
                            narrowText(workModeTexts[slot(toInt(WorkMode::Individual))]) +
                            "\" is selected for a run");
    }
    return true;
}

constexpr std::string_view usageHead =
    "Usage: tarvel_cache_text [options]\n"
    "Performs what a user does in the Configuration dialog and prints the status report.\n"
    "\n";
constexpr std::string_view usageTail =
    "\n"
    "Example on 4 cache blocks of 4096 bytes in 2 sets: every step of set-associative LRU on ten addresses;\n"
    "with --compare in place of --steps, the five methods and policies on the same addresses:\n"
    "  tarvel_cache_text --ram 1 --cache 16 --block 4096 --sets 2 --mode \"secventa data\" \\\n"
    "    --iterations 1 --address 24580 --address 8200 --address 12300 --address 28688 --address 12308 \\\n"
    "    --address 20504 --address 24604 --address 8224 --address 24612 --address 12328 \\\n"
    "    --mapping \"asociativa pe seturi\" --policy LRU --steps\n"
    "\n"
    "Why each miss happens: the pages 1 2 3 4 1 2 5 1 2 3 on 4 blocks, associative FIFO. Every first access\n"
    "is compulsory; 5 evicts 1, 1 evicts 2 and 2 evicts 3, so 1 and 2 at steps 8 and 9 are conflicts (an "
    "LRU\n"
    "cache of 4 blocks would still hold them) and 3 at step 10 a capacity miss (it would not):\n"
    "  tarvel_cache_text --ram 1 --cache 16 --block 4096 --mapping asociativa --policy FIFO \\\n"
    "    --mode \"secventa data\" --iterations 1 --address 4096 --address 8192 --address 12288 \\\n"
    "    --address 16384 --address 4096 --address 8192 --address 20480 --address 4096 --address 8192 \\\n"
    "    --address 12288 --steps\n"
    "\n"
    "Exercise sheet 7, then its key. Its 2 cache blocks of 32768 bytes in 256 MB make 28-bit addresses of\n"
    "a 15-bit word, a 1-bit block and a 12-bit tag: address 57267295, 369d45f in hexadecimal, has the\n"
    "word 545f (21599), the block 1 and the tag 369 (873):\n"
    "  tarvel_cache_text --exercise 7\n"
    "  tarvel_cache_text --exercise 7 --answers\n"
    "\n"
    "Exit status: 0 after the last run; 2 when a configuration is invalid (its error list is printed; with\n"
    "--compare, when any combination is); 64 for a usage error; 74 when the output cannot be written.\n";

// An option's help; a dialog field's is the field's label, in language.
std::string helpText(const TextOption& option, Language language) {
    if (option.group == fieldsGroup && option.apply != addAddress) {
        return translated(language, std::string(option.help).c_str());
    }
    return std::string(option.help);
}

// Where every option's help starts, and its later lines.
constexpr std::size_t helpColumn = 22;

std::string usageLine(const TextOption& option, Language language) {
    // Appended piece by piece: GCC 12 warns wrongly about a literal prepended to a string at -O3.
    std::string line(2, ' ');
    line.append(option.name);
    if (!option.placeholder.empty()) {
        line.append(1, ' ').append(option.placeholder);
    }
    line.resize(std::max(line.size() + 1, helpColumn), ' ');
    const std::string help =
        option.items != nullptr ? quotedItems(*option.items) : helpText(option, language);
    for (const char c : help) {
        line += c;
        if (c == '\n') {
            line.append(helpColumn, ' ');
        }
    }
    return line + "\n";
}

} // namespace

std::string textUsage(Language language) {
    std::string usage(usageHead);
    std::string_view group;
    for (const TextOption& option : textOptions) {
        if (option.group != group) {
            group = option.group;
            usage += std::string(group) + "\n";
        }
        usage += usageLine(option, language);
    }
    return usage + std::string(usageTail);
}

std::vector<std::string_view> textOptionNames() {
    std::vector<std::string_view> names;
    for (const TextOption& option : textOptions) {
        names.push_back(option.name);
    }
    return names;
}

ParsedCommand parseTextCommand(std::span<const std::string_view> arguments) {
    ArgumentReader reader(arguments);
    CommandBuilder builder;
    while (!reader.done()) {
        if (!readArgument(reader, builder)) {
            return ParsedCommand{{}, builder.error};
        }
    }
    builder.pressAgain();
    builder.command.segments.back().runs = builder.repeats;
    if (!checkOutputChoice(builder)) {
        return ParsedCommand{{}, builder.error};
    }
    return ParsedCommand{std::move(builder.command), {}};
}
