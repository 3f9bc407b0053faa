#include "cli/text_options.h"

#include "config/field_text.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

ParsedCommand parse(std::vector<std::string_view> arguments) {
    return parseTextCommand(arguments);
}

std::vector<std::string> usageLines() {
    std::vector<std::string> lines;
    std::istringstream usage(textUsage());
    for (std::string line; std::getline(usage, line);) {
        lines.push_back(line);
    }
    return lines;
}

// An option as the usage shows it: "  --name PLACEHOLDER   help", or "  --name   help" for a flag.
struct UsageOption {
    std::string name;
    bool namesAValue = false;
};

std::vector<UsageOption> usageOptions() {
    std::vector<UsageOption> options;
    for (const std::string& line : usageLines()) {
        if (line.starts_with("  --")) {
            const std::string shown = line.substr(2, line.find("  ", 2) - 2);
            options.push_back({shown.substr(0, shown.find(' ')), shown.find(' ') != std::string::npos});
        }
    }
    return options;
}

TEST(FieldText, ReadsUnsignedDecimalsLikeTheDialog) {
    EXPECT_EQ(readFieldNumber("74565").value, 74565u);
    EXPECT_TRUE(readFieldNumber("0").entered);
    EXPECT_EQ(readFieldNumber(" 16 ").value, 16u);
    EXPECT_EQ(readFieldNumber("4294967295").value, 4294967295u);
    for (std::string_view unread :
         {"", "   ", "4294967296", "99999999999999999999", "12a", "-1", "+5", "0x10"}) {
        const FieldNumber number = readFieldNumber(unread);
        EXPECT_FALSE(number.entered) << unread;
        EXPECT_EQ(number.value, 0u) << unread;
    }
}

TEST(TextOptions, OmittedFieldsHoldZeroAndListsHaveNoSelection) {
    const ParsedCommand parsed = parse({"--ram", "1"});
    ASSERT_TRUE(parsed.error.empty());
    ASSERT_EQ(parsed.command.segments.size(), 1u);
    EXPECT_EQ(parsed.command.segments[0].runs, 1u);
    const DialogFields& fields = parsed.command.segments[0].fields;
    EXPECT_EQ(fields.ram, "1");
    EXPECT_EQ(fields.cache, "0");
    EXPECT_EQ(fields.addresses[9], "0");
    EXPECT_EQ(fields.mapping, -1);
    EXPECT_EQ(fields.mode, -1);
}

TEST(TextOptions, ListTextsSelectTheirSortedPositions) {
    const ParsedCommand parsed =
        parse({"--mapping", "asociativa pe seturi", "--policy", "LRU", "--mode", "secventa data"});
    ASSERT_TRUE(parsed.error.empty());
    const DialogFields& fields = parsed.command.segments[0].fields;
    EXPECT_EQ(fields.mapping, 1);
    EXPECT_EQ(fields.policy, 1);
    EXPECT_EQ(fields.mode, 2);
}

TEST(TextOptions, ThenKeepsTheOtherFieldsAndRefillsAddressesFromFieldZero) {
    const ParsedCommand parsed = parse({"--ram", "1", "--address", "1", "--address", "2", "--address", "3",
                                        "--then", "--address", "9", "--then", "--cache", "32"});
    ASSERT_TRUE(parsed.error.empty());
    const auto& segments = parsed.command.segments;
    ASSERT_EQ(segments.size(), 3u);
    EXPECT_EQ(segments[1].fields.addresses[0], "9");
    EXPECT_EQ(segments[1].fields.addresses[1], "2");
    EXPECT_EQ(segments[1].fields.addresses[2], "3");
    EXPECT_EQ(segments[1].fields.ram, "1");
    EXPECT_EQ(segments[2].fields.cache, "32");
    EXPECT_EQ(segments[2].fields.addresses[0], "9");
}

TEST(TextOptions, RunsRepeatsTheLastValuesWithoutCopyingThem) {
    const ParsedCommand parsed =
        parse({"--address", "5", "--runs", "1000000", "--then", "--address", "6", "--runs", "3", "--each"});
    ASSERT_TRUE(parsed.error.empty());
    const auto& segments = parsed.command.segments;
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_EQ(segments[0].fields.addresses[0], "5");
    EXPECT_EQ(segments[0].runs, 1u); // --runs counts for the last values only, the last one given wins
    EXPECT_EQ(segments[1].fields.addresses[0], "6");
    EXPECT_EQ(segments[1].runs, 3u);
    EXPECT_TRUE(parsed.command.printEach);
}

TEST(TextOptions, UsageErrorsNameWhatIsAccepted) {
    const std::vector<std::pair<std::vector<std::string_view>, std::string_view>> cases{
        {{"--mapping", "direct"}, "\"directa\", \"asociativa\" or \"asociativa pe seturi\""},
        {{"--policy", "fifo"}, "\"FIFO\" or \"LRU\""},
        {{"--mode", ""}, "\"individual\", \"secventa data\" or \"secventa aleatoare\""},
        {{"--colour"}, "accepted: --ram"},
        {{"--ram"}, "--ram needs a value"},
        {{"--runs", "0"}, "from 1 to 1000000"},
        {{"--runs", "1000001"}, "from 1 to 1000000"},
        {{"--runs", "x"}, "from 1 to 1000000"},
        {{"--seed", "-4"}, "--seed accepts"},
        {{"--compare", "--steps"}, "--steps, --compare and --scene each replace the report"},
        {{"--scene", "--steps"}, "--steps, --compare and --scene each replace the report"},
        {{"--compare", "--scene"}, "--steps, --compare and --scene each replace the report"},
        {{"--csv", "--mode", "secventa data"}, "--csv writes the tables of --compare and needs it"},
        {{"--compare", "--mode", "secventa data", "--then", "--mode", "individual"},
         "\"individual\" is selected"},
        {{"--answers"}, "--answers belongs to an exercise sheet and needs --exercise"},
        {{"--mode", "individual", "--count", "2"}, "--count belongs to an exercise sheet"},
        {{"--exercise", "7", "--mode", "individual"}, "--mode cannot go with it"},
        {{"--steps", "--exercise", "7"}, "--steps cannot go with it"},
        {{"--exercise", "-1"}, "--exercise accepts a whole number from 0 to 18446744073709551615"},
        {{"--exercise", "1", "--count", "0"}, "--count accepts a whole number from 1 to 1000"},
        {{"--exercise", "1", "--count", "1001"}, "from 1 to 1000"},
        {{"--exercise", "18446744073709551615", "--count", "2"},
         "--exercise 18446744073709551615 --count 2 would number sheets past 18446744073709551615"},
    };
    for (const auto& [arguments, message] : cases) {
        const ParsedCommand parsed = parse(arguments);
        EXPECT_NE(parsed.error.find(message), std::string::npos) << parsed.error;
        EXPECT_EQ(parsed.error.find('\n'), std::string::npos);
    }
}

TEST(TextOptions, TheOutputsThatReplaceTheReportAreFlagsOfTheCommand) {
    const ParsedCommand steps = parse({"--steps", "--mode", "individual"});
    ASSERT_TRUE(steps.error.empty()) << steps.error;
    EXPECT_TRUE(steps.command.printSteps);
    EXPECT_FALSE(steps.command.compareMethods);
    const ParsedCommand comparison = parse({"--mode", "secventa aleatoare", "--csv", "--compare"});
    ASSERT_TRUE(comparison.error.empty()) << comparison.error;
    EXPECT_TRUE(comparison.command.compareMethods);
    EXPECT_TRUE(comparison.command.comparisonCsv);
    EXPECT_FALSE(comparison.command.printSteps);
}

TEST(TextOptions, AnExerciseTakesItsOwnOptionsAndHelpOnly) {
    const ParsedCommand parsed =
        parse({"--markdown", "--exercise", "18446744073709550616", "--count", "1000", "--answers", "--help"});
    ASSERT_TRUE(parsed.error.empty()) << parsed.error;
    EXPECT_EQ(parsed.command.exerciseSeed, 18446744073709550616ULL) << "the last sheet is the last number";
    EXPECT_EQ(parsed.command.exerciseCount, 1000u);
    EXPECT_TRUE(parsed.command.exerciseAnswers);
    EXPECT_TRUE(parsed.command.exerciseMarkdown);
    EXPECT_TRUE(parsed.command.showHelp);
    const ParsedCommand plain = parse({"--exercise", "0"});
    ASSERT_TRUE(plain.error.empty()) << plain.error;
    EXPECT_EQ(plain.command.exerciseCount, 1u);
    EXPECT_FALSE(plain.command.exerciseAnswers);
    EXPECT_FALSE(parse({"--mode", "individual"}).command.exerciseSeed);
}

TEST(TextOptions, AListErrorNamesTheItemsInTheUsageOrderNotTheSortedOne) {
    EXPECT_EQ(parse({"--mapping", "Directa"}).error,
              "--mapping accepts \"directa\", \"asociativa\" or \"asociativa pe seturi\", not \"Directa\"");
    EXPECT_EQ(parse({"--policy", "MRU"}).error, "--policy accepts \"FIFO\" or \"LRU\", not \"MRU\"");
}

TEST(TextOptions, TheUsageListsEveryOptionOnceInTheOrderOfTheTable) {
    std::vector<std::string> listed;
    for (const UsageOption& option : usageOptions()) {
        listed.push_back(option.name);
    }
    const std::vector<std::string_view> names = textOptionNames();
    EXPECT_EQ(listed, std::vector<std::string>(names.begin(), names.end()));
    EXPECT_EQ(std::set<std::string>(listed.begin(), listed.end()).size(), listed.size());
}

TEST(TextOptions, EveryGroupHeadingOfTheUsageStandsOnce) {
    std::set<std::string> headings;
    for (const std::string& line : usageLines()) {
        if (!line.empty() && line.front() != ' ' && line.back() == ':') {
            EXPECT_TRUE(headings.insert(line).second) << line;
        }
    }
    EXPECT_FALSE(headings.empty());
}

// A flag leaves the next argument to be read as an option: "--ram" then lacks its value. An option that takes
// a value lacks it at the end of the line.
TEST(TextOptions, AnOptionTakesAValueExactlyWhenTheUsageNamesOne) {
    for (const UsageOption& option : usageOptions()) {
        if (option.namesAValue) {
            EXPECT_EQ(parse({option.name}).error, option.name + " needs a value");
        } else {
            EXPECT_EQ(parse({option.name, "--ram"}).error, "--ram needs a value") << option.name;
        }
    }
}

TEST(TextOptions, AnUnknownOptionIsAnsweredWithEveryOptionOfTheUsage) {
    std::string accepted;
    for (const UsageOption& option : usageOptions()) {
        accepted += (accepted.empty() ? "" : ", ") + option.name;
    }
    EXPECT_EQ(parse({"-h"}).error, "unknown option \"-h\"; accepted: " + accepted);
}

TEST(TextOptions, TheUsageNamesTheListItemsAndIndentsLaterHelpLinesUnderTheFirst) {
    const std::string usage = textUsage();
    EXPECT_NE(
        usage.find("\n  --mode TEXT         \"individual\", \"secventa data\" or \"secventa aleatoare\"\n"),
        std::string::npos);
    EXPECT_NE(
        usage.find("\n  --then              press \"Setare mod\" and START SIMULARE, then edit the fields "
                   "named after it\n                      (--address after --then fills fields again from "
                   "field 0)\n"),
        std::string::npos);
}

TEST(TextOptions, AtMostTenAddressesPerRun) {
    std::vector<std::string_view> arguments;
    for (int i = 0; i < 10; ++i) {
        arguments.insert(arguments.end(), {"--address", "1"});
    }
    EXPECT_TRUE(parse(arguments).error.empty());
    arguments.insert(arguments.end(), {"--then", "--address", "2"});
    EXPECT_TRUE(parse(arguments).error.empty());
    for (int i = 0; i < 10; ++i) {
        arguments.insert(arguments.end(), {"--address", "3"});
    }
    EXPECT_NE(parse(arguments).error.find("at most 10"), std::string::npos);
}

} // namespace
