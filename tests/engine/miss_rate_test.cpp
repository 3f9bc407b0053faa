#include "engine/miss_rate.h"

#include "config/cache_config.h"
#include "core_state.h"
#include "engine/simulation_state.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class MissRate : public ::testing::Test {
  protected:
    void SetUp() override { startFromStartup(); }

    static void setOutcomes(const std::vector<double>& outcomes) {
        for (std::size_t j = 0; j < outcomes.size(); ++j) {
            simulationState.missFlag[j] = outcomes[j];
        }
    }
};

TEST_F(MissRate, IsTheRunningMeanOfTheOutcomes) {
    setOutcomes({missOutcome, missOutcome, hitOutcome, hitOutcome});
    computeMissRate();
    EXPECT_DOUBLE_EQ(simulationState.missRate[0], 1.0);
    EXPECT_DOUBLE_EQ(simulationState.missRate[1], 1.0);
    EXPECT_DOUBLE_EQ(simulationState.missRate[2], 2.0 / 3.0);
    EXPECT_DOUBLE_EQ(simulationState.missRate[3], 0.5);
}

TEST_F(MissRate, EveryEntryIsTheShareOfMissesSoFar) {
    for (std::size_t j = 0; j < simulationState.missFlag.size(); ++j) {
        simulationState.missFlag[j] = j % 3 == 0 || j % 7 == 0 ? missOutcome : hitOutcome;
        simulationState.missRate[j] = -1.0; // an entry left unwritten shows
    }
    computeMissRate();
    int seen = 0;
    for (std::size_t s = 0; s < simulationState.missRate.size(); ++s) {
        seen += simulationState.missFlag[s] == missOutcome ? 1 : 0;
        EXPECT_NEAR(simulationState.missRate[s], seen / static_cast<double>(s + 1), 1e-12) << "entry " << s;
    }
}

// The chart places a value v at 400 * v pixels above its axis, truncated: 1/3 must come out at 133.
TEST_F(MissRate, OneMissInThreeIsExactlyAThird) {
    setOutcomes({missOutcome, hitOutcome, hitOutcome});
    computeMissRate();
    EXPECT_DOUBLE_EQ(simulationState.missRate[2], 1.0 / 3.0);
    EXPECT_EQ(static_cast<int>(400.0 * simulationState.missRate[2]), 133);
}

TEST_F(MissRate, AllHitsKeepEveryEntryAtZero) {
    simulationState.missRate.fill(0.5);
    computeMissRate();
    for (double rate : simulationState.missRate) {
        EXPECT_EQ(rate, 0.0);
    }
}

// Two misses in three accesses, then a miss: three in four; one in two, then a hit: one in three.
TEST_F(MissRate, ExtendingARateCountsOneAccessMore) {
    EXPECT_DOUBLE_EQ(extendedMissRate(2.0 / 3.0, 3, missOutcome), 0.75);
    EXPECT_DOUBLE_EQ(extendedMissRate(0.5, 2, hitOutcome), 1.0 / 3.0);
    EXPECT_EQ(extendedMissRate(0.25, 0, missOutcome), 1.0); // the first access alone, whatever came before
}

TEST_F(MissRate, TheChartShowsTheGivenAddressesTimesTheIterationsOrTheRandomIterations) {
    cacheConfig.workMode = WorkMode::GivenSequence;
    cacheConfig.iterationCount = 3;
    EXPECT_EQ(chartedAccessCount(), 30);
    cacheConfig.iterationCount = 10;
    EXPECT_EQ(chartedAccessCount(), 100);
    cacheConfig.workMode = WorkMode::RandomSequence;
    cacheConfig.iterationCount = 47;
    EXPECT_EQ(chartedAccessCount(), 47);
}

TEST_F(MissRate, TheChartedAccessesStayWithinTheRecordedOnes) {
    cacheConfig.workMode = WorkMode::GivenSequence;
    cacheConfig.iterationCount = 11;
    EXPECT_EQ(chartedAccessCount(), 100);
    cacheConfig.workMode = WorkMode::RandomSequence;
    cacheConfig.iterationCount = 0;
    EXPECT_EQ(chartedAccessCount(), 1);
    cacheConfig.iterationCount = -5;
    EXPECT_EQ(chartedAccessCount(), 1);
}

} // namespace
