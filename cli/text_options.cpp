#include "cli/text_options.h"

#include "config/choice_names.h"
#include "config/field_text.h"

#include <charconv>

const char* const textUsage =
    "Usage: tarvel_cache_text [options]\n"
    "Performs what a user does in the Configuration dialog and prints the status report.\n"
    "\n"
    "Dialog fields (each value is the text typed into the field; an omitted field holds \"0\"):\n"
    "  --ram TEXT          Dimensiune RAM (Mo)\n"
    "  --cache TEXT        Dimensiune cache (ko)\n"
    "  --block TEXT        Dimensiune bloc (o)\n"
    "  --sets TEXT         Numar de seturi\n"
    "  --iterations TEXT   Numar de iteratii\n"
    "  --address TEXT      an address field; repeat up to 10 times to fill fields 0, 1, 2, ...\n"
    "Lists (an omitted list has no selection):\n"
    "  --mapping TEXT      \"directa\", \"asociativa\" or \"asociativa pe seturi\"\n"
    "  --policy TEXT       \"FIFO\" or \"LRU\"\n"
    "  --mode TEXT         \"individual\", \"secventa data\" or \"secventa aleatoare\"\n"
    "Runs:\n"
    "  --then              press \"Setare mod\" and START SIMULARE, then edit the fields named after it\n"
    "                      (--address after --then fills fields again from field 0)\n"
    "  --runs N            press \"Setare mod\" and START SIMULARE N times with the last values (default 1)\n"
    "  --each              print the report after every START SIMULARE, not only after the last\n"
    "  --seed N            make the random sequence reproducible\n"
    "  --help              print this text\n"
    "\n"
    "Exit status: 0 after the report of the last run; 2 when a configuration is invalid (its error list is\n"
    "printed); 64 for a usage error; 74 when the report cannot be written.\n";

namespace {

const char* const acceptedOptions = "--ram, --cache, --block, --sets, --iterations, --address, --mapping, "
                                    "--policy, --mode, --then, --runs, --each, --seed, --help";

// The core's list texts are ASCII.
std::string narrow(const wchar_t* wide) {
    std::string text;
    for (; *wide != L'\0'; ++wide) {
        text.push_back(static_cast<char>(*wide));
    }
    return text;
}

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
        items += '"' + narrow(list.texts[static_cast<std::size_t>(list.namedOrder[i])]) + '"';
    }
    return items;
}

// The position of text among the list's items, or noSelection.
std::int32_t itemIndex(std::string_view text, const ChoiceList& list) {
    for (std::size_t i = 0; i < list.texts.size(); ++i) {
        if (narrow(list.texts[i]) == text) {
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

    bool fail(std::string message) {
        error = std::move(message);
        return false;
    }

    bool chooseItem(std::int32_t& selection, std::string_view option, std::string_view text,
                    const ChoiceList& list) {
        selection = itemIndex(text, list);
        if (selection == noSelection) {
            return fail(std::string(option) + " accepts " + quotedItems(list) + ", not \"" +
                        std::string(text) + "\"");
        }
        return true;
    }

    bool addAddress(std::string_view text) {
        if (addressesInRun == addressFieldCount) {
            return fail("at most 10 --address options are accepted in one run");
        }
        fields.addresses[static_cast<std::size_t>(addressesInRun++)] = std::string(text);
        return true;
    }

    bool setRepeats(std::string_view text) {
        const auto count = parseWhole<std::uint32_t>(text);
        if (!count || *count < 1 || *count > maxRuns) {
            return fail("--runs accepts a whole number from 1 to 1000000, not \"" + std::string(text) + "\"");
        }
        repeats = *count;
        return true;
    }

    bool setSeed(std::string_view text) {
        command.seed = parseWhole<std::uint64_t>(text);
        if (!command.seed) {
            return fail("--seed accepts a whole number from 0 to 18446744073709551615, not \"" +
                        std::string(text) + "\"");
        }
        return true;
    }

    void pressAgain() {
        command.segments.push_back(RunSegment{fields, 1});
        addressesInRun = 0;
    }

    bool applyValueOption(std::string_view option, std::string_view value) {
        if (option == "--ram") {
            fields.ram = value;
        } else if (option == "--cache") {
            fields.cache = value;
        } else if (option == "--block") {
            fields.block = value;
        } else if (option == "--sets") {
            fields.sets = value;
        } else if (option == "--iterations") {
            fields.iterations = value;
        } else if (option == "--address") {
            return addAddress(value);
        } else if (option == "--mapping") {
            return chooseItem(fields.mapping, option, value, mappingChoices);
        } else if (option == "--policy") {
            return chooseItem(fields.policy, option, value, policyChoices);
        } else if (option == "--mode") {
            return chooseItem(fields.mode, option, value, modeChoices);
        } else if (option == "--runs") {
            return setRepeats(value);
        } else if (option == "--seed") {
            return setSeed(value);
        }
        return true;
    }
};

bool takesValue(std::string_view option) {
    for (std::string_view known : {"--ram", "--cache", "--block", "--sets", "--iterations", "--address",
                                   "--mapping", "--policy", "--mode", "--runs", "--seed"}) {
        if (option == known) {
            return true;
        }
    }
    return false;
}

bool readArgument(ArgumentReader& reader, CommandBuilder& builder) {
    const std::string_view option = reader.take();
    if (option == "--then") {
        builder.pressAgain();
    } else if (option == "--each") {
        builder.command.printEach = true;
    } else if (option == "--help") {
        builder.command.showHelp = true;
    } else if (takesValue(option)) {
        const auto value = reader.takeValue();
        if (!value) {
            return builder.fail(std::string(option) + " needs a value");
        }
        return builder.applyValueOption(option, *value);
    } else {
        return builder.fail("unknown option \"" + std::string(option) + "\"; accepted: " + acceptedOptions);
    }
    return true;
}

} // namespace

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
    return ParsedCommand{std::move(builder.command), {}};
}
