#include "cli/method_comparison.h"

#include "core_state.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class MethodComparisonTest : public ::testing::Test {
  protected:
    void SetUp() override { startFromStartup(); }
};

// 1 MB of RAM, 16 KB of cache in 4096-byte blocks: 4 cache blocks, in 2 sets when set-associative. The ten
// addresses are RAM blocks 6 2 3 7 3 5 6 2 6 3 (the RAM block is the address over 4096).
DialogFields tenAddressesOnFourBlocks(const std::string& sets, const std::string& iterations) {
    DialogFields fields = dialogFieldsFor(ConfigSetup{.blockBytes = 4096, .mode = WorkMode::GivenSequence});
    fields.sets = sets;
    fields.iterations = iterations;
    fields.addresses = {"24580", "8200",  "12300", "28688", "12308",
                        "20504", "24604", "8224",  "24612", "12328"};
    return fields;
}

std::string tableOf(ComparisonFormat format, std::initializer_list<DialogFields> runs) {
    return printedText([&](std::FILE* out) {
        MethodComparison comparison(format, Language::Romanian, out, out);
        for (const DialogFields& fields : runs) {
            comparison.compareRun(fields);
        }
    });
}

const std::string tableHeader =
    "metoda de mapare        politica  accese  miss  rata de pierderi  obligatorii  capacitate  conflict\n";
// The rows of one pass over the ten addresses, worked out below.
const std::string onePassRows[] = {
    "directa                 -             10     9           90.00 %            5           2         2\n",
    "asociativa              FIFO          10     8           80.00 %            5           2         1\n",
    "asociativa              LRU           10     7           70.00 %            5           2         0\n",
    "asociativa pe seturi    FIFO          10     6           60.00 %            5           0         1\n",
    "asociativa pe seturi    LRU           10     5           50.00 %            5           0         0\n",
};

// Worked by hand, one pass over RAM blocks 6 2 3 7 3 5 6 2 6 3:
// - direct, cache block = RAM block mod 4: 6 and 2 take turns in block 2, and 3, 7, 3 in block 3; only the
//   last access (3, still in block 3) hits: 9 misses;
// - associative FIFO: 6 2 3 7 fill the cache, 3 hits, 5 6 2 evict 6 2 3, 6 hits, 3 evicts 7: 8 misses;
// - associative LRU: as FIFO until 5 6 2 evict 6 2 7 (3 was used at step 5), so 6 and 3 hit: 7 misses;
// - set-associative FIFO, set = RAM block mod 2: set 0 takes 6 2 and hits them three times; set 1 takes 3 7,
//   hits 3, 5 evicts 3 (the older), 3 evicts 7: 6 misses;
// - set-associative LRU: as FIFO but 5 evicts 7 (3 was used later), so the last 3 hits: 5 misses.
// The first accesses to 6 2 3 7 and 5 are the 5 compulsory misses of every method. A fully associative LRU
// cache of 4 blocks, the associative LRU row itself, hits 3 at step 5 and 6 and 3 at steps 9 and 10 and
// misses 6 and 2 at steps 7 and 8: what else misses there is a capacity miss, what misses where it hits a
// conflict. Direct: 6 2 at 7 8 capacity, 3 at 5 and 6 at 9 conflict; associative FIFO: 6 2 capacity, the last
// 3 conflict; set-associative FIFO: the last 3 conflict.
TEST_F(MethodComparisonTest, TheFiveMethodsOnOnePassOverTenAddresses) {
    EXPECT_EQ(tableOf(ComparisonFormat::Table, {tenAddressesOnFourBlocks("2", "1")}),
              tableHeader + onePassRows[0] + onePassRows[1] + onePassRows[2] + onePassRows[3] +
                  onePassRows[4]);
}

// The second pass starts from the cache the first left:
// - direct: blocks 1 2 3 hold 5 6 3; 6, 3, 5 and the last 3 hit, 2 7 3 6 2 6 miss: 9 + 6 = 15;
// - associative FIFO: queue 5 6 2 3; 6 2 3 hit, 7 evicts 5, 3 hits, 5 6 2 evict 6 2 3, 6 hits, 3 evicts 7:
//   8 + 5 = 13;
// - associative LRU: order 5 2 6 3; 6 2 3 hit, 7 evicts 5, 3 hits, 5 6 2 evict 6 2 7, 6 3 hit: 7 + 4 = 11;
// - set-associative FIFO: set 1 holds 5 3 (5 older); 7 evicts 5, 5 evicts 3, 3 evicts 7, all else hits:
//   6 + 3 = 9;
// - set-associative LRU: set 1 order 5 3; 7 evicts 5, 5 evicts 7, all else hits: 5 + 2 = 7.
// In the second pass nothing is accessed for the first time. The fully associative LRU cache of 4 blocks
// misses 7 5 6 2 at steps 14 and 16 to 18 and hits everything else: the misses there are capacity misses, the
// others conflicts. Direct: 7 6 2 capacity, 2 3 6 conflict; associative FIFO: 7 5 6 2 capacity, the last 3
// conflict; associative LRU: 7 5 6 2 capacity; set-associative FIFO: 7 5 capacity, the last 3 conflict;
// set-associative LRU: 7 5 capacity.
TEST_F(MethodComparisonTest, TwoPassesCountTwentyAccesses) {
    EXPECT_EQ(tableOf(ComparisonFormat::Csv, {tenAddressesOnFourBlocks("2", "2")}),
              "run,mapping,policy,steps,misses,miss_rate_percent,compulsory,capacity,conflict\n"
              "1,directa,,20,15,75.00,5,5,5\n"
              "1,asociativa,FIFO,20,13,65.00,5,6,2\n"
              "1,asociativa,LRU,20,11,55.00,5,6,0\n"
              "1,asociativa pe seturi,FIFO,20,9,45.00,5,2,2\n"
              "1,asociativa pe seturi,LRU,20,7,35.00,5,2,0\n");
}

TEST_F(MethodComparisonTest, SuccessiveRunsHaveATableEachOrOneCsvHeader) {
    const std::string table = tableOf(
        ComparisonFormat::Table, {tenAddressesOnFourBlocks("2", "1"), tenAddressesOnFourBlocks("2", "1")});
    const std::string oneTable = tableOf(ComparisonFormat::Table, {tenAddressesOnFourBlocks("2", "1")});
    EXPECT_EQ(table, oneTable + "\n" + oneTable);

    const std::string csv = tableOf(ComparisonFormat::Csv,
                                    {tenAddressesOnFourBlocks("2", "1"), tenAddressesOnFourBlocks("2", "2")});
    EXPECT_EQ(csv.find("run,"), 0u);
    EXPECT_EQ(csv.find("run,", 1), std::string::npos);
    EXPECT_NE(csv.find("\n1,asociativa pe seturi,LRU,10,5,50.00,5,0,0\n2,directa,,20,15,75.00,5,5,5\n"),
              std::string::npos);
}

// 8 sets on 4 blocks fail only the set-associative rows: the others get the sets field "0".
TEST_F(MethodComparisonTest, ACombinationThatDoesNotValidateShowsTheFirstErrorOnOneLine) {
    bool everyValid = true;
    const std::string table = printedText([&](std::FILE* out) {
        MethodComparison comparison(ComparisonFormat::Table, Language::Romanian, out, out);
        everyValid = comparison.compareRun(tenAddressesOnFourBlocks("8", "1"));
    });
    EXPECT_FALSE(everyValid);
    EXPECT_EQ(
        table,
        tableHeader + onePassRows[0] + onePassRows[1] + onePassRows[2] +
            "asociativa pe seturi    FIFO      Numar de blocuri in cache mai mic decit numarul de seturi\n"
            "asociativa pe seturi    LRU       Numar de blocuri in cache mai mic decit numarul de seturi\n");
}

TEST_F(MethodComparisonTest, CsvLeavesTheFiguresOfAnInvalidRowEmptyAndNamesItsErrorApart) {
    DialogFields fields = tenAddressesOnFourBlocks("3", "1");
    fields.ram = "4096"; // 2^20 RAM blocks, too many: the last error of the list, after the set count's
    std::string errors;
    bool everyValid = true;
    const std::string csv = printedText([&](std::FILE* out) {
        errors = printedText([&](std::FILE* err) {
            MethodComparison comparison(ComparisonFormat::Csv, Language::Romanian, out, err);
            everyValid = comparison.compareRun(fields);
        });
    });
    EXPECT_FALSE(everyValid);
    EXPECT_EQ(csv, "run,mapping,policy,steps,misses,miss_rate_percent,compulsory,capacity,conflict\n"
                   "1,directa,,,,,,,\n"
                   "1,asociativa,FIFO,,,,,,\n"
                   "1,asociativa,LRU,,,,,,\n"
                   "1,asociativa pe seturi,FIFO,,,,,,\n"
                   "1,asociativa pe seturi,LRU,,,,,,\n");
    EXPECT_EQ(errors,
              "tarvel_cache_text: run 1, directa: Numar de blocuri in RAM = 1048576 incorect\n"
              "tarvel_cache_text: run 1, asociativa FIFO: Numar de blocuri in RAM = 1048576 incorect\n"
              "tarvel_cache_text: run 1, asociativa LRU: Numar de blocuri in RAM = 1048576 incorect\n"
              "tarvel_cache_text: run 1, asociativa pe seturi FIFO: Numar de seturi = 3 incorect\n"
              "tarvel_cache_text: run 1, asociativa pe seturi LRU: Numar de seturi = 3 incorect\n");
}

TEST_F(MethodComparisonTest, EveryValidCombinationReturnsTrue) {
    bool everyValid = false;
    printedText([&](std::FILE* out) {
        MethodComparison comparison(ComparisonFormat::Table, Language::Romanian, out, out);
        everyValid = comparison.compareRun(tenAddressesOnFourBlocks("2", "1"));
    });
    EXPECT_TRUE(everyValid);
}

} // namespace
