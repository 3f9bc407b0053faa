#include "cli/step_table.h"

#include "core_state.h"
#include "text_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class StepTableTest : public ::testing::Test {
  protected:
    void SetUp() override { startFromStartup(); }
};

const std::string header = "run,step,address,tag,index,word,ram_block,outcome,miss_rate_percent,miss_kind\n";

// 1 MB of RAM, 16 KB of cache in 4096-byte blocks: 4 cache blocks, in 2 sets when set-associative. An address
// is its RAM block above a 12-bit word: these are RAM blocks 6 2 3 7 3 5 6 2 6 3 at words 4, 8, ... 40.
const std::initializer_list<std::uint32_t> tenAddresses{24580, 8200,  12300, 28688, 12308,
                                                        20504, 24604, 8224,  24612, 12328};

ConfigSetup fourBlocks(MappingMethod mapping, ReplacementPolicy policy, WorkMode mode,
                       std::int32_t iterations) {
    return ConfigSetup{.blockBytes = 4096,
                       .mapping = mapping,
                       .policy = policy,
                       .mode = mode,
                       .sets = 2,
                       .iterations = iterations};
}

// Set 0 (even blocks) takes 6 and 2 and keeps them. Set 1 takes 3 and 7, hits 3, and 5 evicts 7, the less
// recently used; 3 hits again. Misses at steps 1-4 and 6: the rate falls to 4/5, 5/6, 5/7, 5/8, 5/9, 5/10.
// Tag: the block over 2; word: the low 12 bits.
TEST_F(StepTableTest, AGivenSequenceRunOnceGivesItsTenStepsWithTheSetAsIndex) {
    const std::string table = printedText([](std::FILE* out) {
        StepTable steps(out);
        runWith(fourBlocks(MappingMethod::SetAssociative, ReplacementPolicy::Lru, WorkMode::GivenSequence, 1),
                tenAddresses);
        steps.writeLastRun();
    });
    EXPECT_EQ(table, header + "1,1,24580,3,0,4,6,miss,100.00,compulsory\n"
                              "1,2,8200,1,0,8,2,miss,100.00,compulsory\n"
                              "1,3,12300,1,1,12,3,miss,100.00,compulsory\n"
                              "1,4,28688,3,1,16,7,miss,100.00,compulsory\n"
                              "1,5,12308,1,1,20,3,hit,80.00,\n"
                              "1,6,20504,2,1,24,5,miss,83.33,compulsory\n"
                              "1,7,24604,3,0,28,6,hit,71.43,\n"
                              "1,8,8224,1,0,32,2,hit,62.50,\n"
                              "1,9,24612,3,0,36,6,hit,55.56,\n"
                              "1,10,12328,1,1,40,3,hit,50.00,\n");
}

// Associative FIFO, first pass: 6 2 3 7 miss, 3 hits, 5 6 2 miss (each evicting the oldest: 6, 2, 3), 6 hits,
// 3 misses: 8 misses, the queue 5 6 2 3. Second pass: 6 2 3 hit, 7 misses, 3 hits (step 15: 9 misses in 15),
// 5 6 2 miss, 6 hits, 3 misses (step 20: 13 in 20), where a fully associative LRU cache, holding 3 since step
// 15, would hit: a conflict. The tag is the whole RAM block.
TEST_F(StepTableTest, AssociativeRowsLeaveTheIndexEmptyAndEveryPassGivesTenRows) {
    const std::vector<std::string> lines = linesOf(printedText([](std::FILE* out) {
        StepTable steps(out);
        runWith(fourBlocks(MappingMethod::Associative, ReplacementPolicy::Fifo, WorkMode::GivenSequence, 2),
                tenAddresses);
        steps.writeLastRun();
    }));
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[15], "1,15,12308,3,,20,3,hit,60.00,");
    EXPECT_EQ(lines[20], "1,20,12328,3,,40,3,miss,65.00,conflict");
}

// Direct mapping, block = RAM block mod 4, tag = RAM block over 4. 24580 (RAM block 6) misses, 24604 (block 6
// again) hits, 8200 (RAM block 2, same cache block 2) misses: 1/1, 1/2, 2/3. 2048-byte blocks empty the cache
// ("Pas simulare" 1): 24580 is now RAM block 12, cache block 4 of 8, tag 1; it misses, then hits: 1/1, 1/2.
TEST_F(StepTableTest, IndividualRunsExtendTheirRateUntilTheCacheIsEmptied) {
    const std::string table = printedText([](std::FILE* out) {
        StepTable steps(out);
        ConfigSetup setup =
            fourBlocks(MappingMethod::Direct, ReplacementPolicy::Fifo, WorkMode::Individual, 0);
        for (const std::uint32_t address : {24580u, 24604u, 8200u}) {
            runWith(setup, {address});
            steps.writeLastRun();
        }
        setup.blockBytes = 2048;
        for (int run = 0; run < 2; ++run) {
            runWith(setup, {24580});
            steps.writeLastRun();
        }
    });
    EXPECT_EQ(table, header + "1,1,24580,1,2,4,6,miss,100.00,compulsory\n"
                              "2,2,24604,1,2,28,6,hit,50.00,\n"
                              "3,3,8200,0,2,8,2,miss,66.67,compulsory\n"
                              "4,1,24580,1,4,4,12,miss,100.00,compulsory\n"
                              "5,2,24580,1,4,4,12,hit,50.00,\n");
}

TEST_F(StepTableTest, ARandomSequenceGivesOneRowPerIterationEndingAtItsShareOfMisses) {
    const std::vector<std::string> lines = linesOf(printedText([](std::FILE* out) {
        StepTable steps(out);
        runWith(fourBlocks(MappingMethod::Direct, ReplacementPolicy::Fifo, WorkMode::RandomSequence, 37), {});
        steps.writeLastRun();
    }));
    ASSERT_EQ(lines.size(), 38u);
    int misses = 0;
    for (std::size_t row = 1; row < lines.size(); ++row) {
        EXPECT_TRUE(lines[row].starts_with("1," + std::to_string(row) + ",")) << lines[row];
        misses += lines[row].find(",miss,") != std::string::npos ? 1 : 0;
    }
    char lastRate[16];
    std::snprintf(lastRate, sizeof lastRate, ",%.2f", 100.0 * misses / 37);
    const std::string lastRow = lines.back();
    EXPECT_TRUE(lastRow.substr(0, lastRow.rfind(',')).ends_with(lastRate)) << lastRow << " after " << misses;
}

TEST_F(StepTableTest, TheHeaderComesOnceBeforeTheFirstRowAndEveryRunHasItsNumber) {
    EXPECT_EQ(printedText([](std::FILE* out) { StepTable steps(out); }), "");
    const std::vector<std::string> lines = linesOf(printedText([](std::FILE* out) {
        StepTable steps(out);
        for (int run = 0; run < 2; ++run) {
            runWith(fourBlocks(MappingMethod::Direct, ReplacementPolicy::Fifo, WorkMode::GivenSequence, 1),
                    tenAddresses);
            steps.writeLastRun();
        }
    }));
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[0] + "\n", header);
    EXPECT_TRUE(lines[10].starts_with("1,10,12328,")) << lines[10];
    EXPECT_TRUE(lines[11].starts_with("2,1,24580,")) << lines[11];
}

} // namespace
