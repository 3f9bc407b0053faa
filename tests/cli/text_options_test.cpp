#include "cli/text_options.h"

#include "config/field_text.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace {

ParsedCommand parse(std::vector<std::string_view> arguments) {
    return parseTextCommand(arguments);
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
    };
    for (const auto& [arguments, message] : cases) {
        const ParsedCommand parsed = parse(arguments);
        EXPECT_NE(parsed.error.find(message), std::string::npos) << parsed.error;
        EXPECT_EQ(parsed.error.find('\n'), std::string::npos);
    }
}

TEST(TextOptions, AListErrorNamesTheItemsInTheUsageOrderNotTheSortedOne) {
    EXPECT_EQ(parse({"--mapping", "Directa"}).error,
              "--mapping accepts \"directa\", \"asociativa\" or \"asociativa pe seturi\", not \"Directa\"");
    EXPECT_EQ(parse({"--policy", "MRU"}).error, "--policy accepts \"FIFO\" or \"LRU\", not \"MRU\"");
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
