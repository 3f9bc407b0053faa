#include "exercise/exercise_draw.h"

#include "config/validation.h"
#include "core_state.h"
#include "engine/split_mix64.h"
#include "exercise/exercise_key.h"
#include "exercise/exercise_random.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace {

class ExerciseDraw : public ::testing::Test {
  protected:
    void SetUp() override { startFromStartup(); }
};

// The published first outputs of SplitMix64 from the state 0: the generator the sheets document.
TEST(ExerciseRandomTest, TheGeneratorIsSplitMix64) {
    std::uint64_t state = 0;
    EXPECT_EQ(nextSplitMix64(state), 0xe220a8397b1dcdafULL);
    EXPECT_EQ(nextSplitMix64(state), 0x6e789e6aa1b965f4ULL);
    EXPECT_EQ(nextSplitMix64(state), 0x06c45d188009454fULL);
}

TEST(ExerciseRandomTest, DrawsBelowABoundCoverEveryValueEvenly) {
    ExerciseRandom random = seededExerciseRandom(2026);
    std::array<int, 6> counts{};
    for (int i = 0; i < 6000; ++i) {
        const std::uint32_t value = drawBelow(random, 6);
        ASSERT_LT(value, 6u);
        ++counts[value];
    }
    for (const int count : counts) {
        EXPECT_GT(count, 850);
        EXPECT_LT(count, 1150);
    }
    EXPECT_EQ(drawBelow(random, 1), 0u);
    EXPECT_EQ(drawBelow(random, 0), 0u);
    for (int i = 0; i < 1000; ++i) {
        ASSERT_LT(drawBelow(random, 0xffffffffu), 0xffffffffu);
    }
}

// Exercise 7 as the README works it, drawn by the documented steps: a change of the generator or of the order
// of the draws changes every sheet already handed out.
TEST_F(ExerciseDraw, ANumberGivesItsExerciseInEveryBuild) {
    const Exercise exercise = drawExercise(7);
    EXPECT_EQ(exercise.mapping, MappingMethod::Direct);
    EXPECT_EQ(exercise.policy, noSelection);
    EXPECT_EQ(exercise.ramSizeMb, 256);
    EXPECT_EQ(exercise.cacheSizeKb, 64);
    EXPECT_EQ(exercise.blockSizeBytes, 32768);
    EXPECT_EQ(exercise.cacheBlockCount, 2);
    const std::array<std::uint32_t, addressFieldCount> addresses{168901097, 168893114, 57267295, 168905543,
                                                                 16131101,  16124536,  16152748, 16127432,
                                                                 168907986, 16125441};
    EXPECT_EQ(exercise.addresses, addresses);
    EXPECT_EQ(exercise.fields.addresses[2], "57267295");
    EXPECT_EQ(exercise.fields.mode, toInt(WorkMode::GivenSequence));
    EXPECT_EQ(exercise.fields.iterations, "1");
}

// Hundreds of numbers: every configuration validates as drawn, every run has a hit, a miss and a replacement,
// and the draws reach every method, policy and cache size in blocks.
TEST_F(ExerciseDraw, EveryNumberGivesAValidExerciseWithAHitAMissAndAReplacement) {
    std::set<std::pair<std::int32_t, std::int32_t>> choices;
    std::set<std::int32_t> blockCounts;
    for (std::uint64_t seed = 0; seed < 400; ++seed) {
        const Exercise exercise = drawExercise(seed);
        const ExerciseKey key = solveExercise(exercise);
        ASSERT_TRUE(key.valid) << seed << ": " << cacheConfig.configErrors;
        EXPECT_EQ(key.cacheBlockCount, exercise.cacheBlockCount) << seed;
        int hits = 0;
        int replacements = 0;
        for (const ExerciseAccess& access : key.accesses) {
            hits += access.hit ? 1 : 0;
            replacements += access.replacedBlock >= 0 ? 1 : 0;
            EXPECT_FALSE(access.hit && access.replacedBlock >= 0) << seed;
        }
        EXPECT_GE(hits, 1) << seed;
        EXPECT_GE(key.misses, 1) << seed;
        EXPECT_EQ(key.misses, addressFieldCount - hits) << seed;
        EXPECT_GE(replacements, 1) << seed;
        choices.insert({toInt(exercise.mapping), exercise.policy});
        blockCounts.insert(exercise.cacheBlockCount);
    }
    EXPECT_EQ(choices.size(), 5u) << "directa, and both policies of the other two methods";
    EXPECT_EQ(blockCounts, (std::set<std::int32_t>{2, 4, 8, 16}));
}

} // namespace
