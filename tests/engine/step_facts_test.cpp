#include "core_state.h"
#include "engine/replacement.h"
#include "engine/simulation_state.h"
#include "exercise/exercise_draw.h"
#include "exercise/exercise_key.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class StepFacts : public ::testing::Test {
  protected:
    void SetUp() override { startFromStartup(); }
};

// The step (from 1) before trace index t that last hit or filled block b, as the records tell it; 0 for none.
std::uint32_t lastUseBefore(int t, int b) {
    for (int s = t - 1; s >= 0; --s) {
        if (simulationState.stepRecords[slot(s)].usedBlock == b) {
            return static_cast<std::uint32_t>(s + 1);
        }
    }
    return 0;
}

// What each step records it did agrees with the cache before and after it, over exercises of every method and
// policy: the block used lies among the candidates and holds the tag after; a hit found it there, an eviction
// replaced another RAM block, a fill without one took an empty block; under LRU the least recent candidate is
// the one whose last use, read back from the records, is oldest, and it is the block evicted.
TEST_F(StepFacts, EveryStepRecordsWhatItDidToTheCache) {
    int evictions = 0;
    int leastRecent = 0;
    for (std::uint64_t seed = 0; seed < 400; ++seed) {
        const Exercise exercise = drawExercise(seed);
        ASSERT_TRUE(solveExercise(exercise).valid) << seed;
        const CacheSnapshot empty{};
        for (int t = 0; t < addressFieldCount; ++t) {
            const std::string where = std::to_string(seed) + " step " + std::to_string(t);
            const StepRecord& record = simulationState.stepRecords[slot(t)];
            const CacheSnapshot& before = t == 0 ? empty : snapshotAt(t - 1);
            const CacheSnapshot& after = snapshotAt(t);
            const int used = record.usedBlock;
            ASSERT_GE(used, record.firstCandidate) << where;
            ASSERT_LE(used, record.lastCandidate) << where;
            ASSERT_LT(record.lastCandidate, exercise.cacheBlockCount) << where;
            EXPECT_EQ(after.blockTag[slot(used)], record.tag) << where;
            const bool held = before.blockState[slot(used)] != BlockState::Empty;
            const bool hit = simulationState.missFlag[slot(t)] == hitOutcome;
            EXPECT_EQ(hit, held && before.blockTag[slot(used)] == record.tag) << where;
            if (record.evictedBlock >= 0) {
                ++evictions;
                EXPECT_EQ(record.evictedBlock, used) << where;
                EXPECT_TRUE(held && before.blockTag[slot(used)] != record.tag) << where;
            } else {
                EXPECT_TRUE(hit || !held) << where;
            }
            const bool lru = exercise.mapping != MappingMethod::Direct &&
                             exercise.policy == static_cast<std::int32_t>(ReplacementPolicy::Lru);
            if (!lru) {
                EXPECT_EQ(record.leastRecentBlock, -1) << where;
                continue;
            }
            ++leastRecent;
            const int oldest = record.leastRecentBlock;
            EXPECT_EQ(record.leastRecentUse, lastUseBefore(t, oldest)) << where;
            for (int b = record.firstCandidate; b <= record.lastCandidate; ++b) {
                EXPECT_LE(record.leastRecentUse, lastUseBefore(t, b)) << where << " block " << b;
            }
            if (record.evictedBlock >= 0) {
                EXPECT_EQ(record.evictedBlock, oldest) << where;
            }
        }
    }
    EXPECT_GT(evictions, 300);
    EXPECT_GT(leastRecent, 300);
}

} // namespace
