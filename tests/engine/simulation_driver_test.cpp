#include "engine/simulation_driver.h"

#include "core_state.h"
#include "engine/random_source.h"
#include "engine/simulation_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

namespace {

class SimulationDriver : public ::testing::Test {
  protected:
    void SetUp() override { startFromStartup(); }
};

constexpr ConfigSetup directIndividual{.mapping = MappingMethod::Direct};
constexpr ConfigSetup randomSequence{.mapping = MappingMethod::Associative,
                                     .policy = ReplacementPolicy::Lru,
                                     .mode = WorkMode::RandomSequence,
                                     .iterations = 10};
constexpr ConfigSetup givenOnce{
    .mapping = MappingMethod::Direct, .mode = WorkMode::GivenSequence, .iterations = 1};

std::vector<std::uint32_t> randomAddresses() {
    return {simulationState.randomSequence.begin(), simulationState.randomSequence.end()};
}

TEST_F(SimulationDriver, IndividualRunsContinueOnOneCache) {
    runWith(directIndividual, {74565});
    EXPECT_EQ(simulationState.simulationStep, 1);
    EXPECT_EQ(simulationState.missFlag[0], 1.0);
    runWith(directIndividual, {0});
    EXPECT_EQ(simulationState.simulationStep, 2);
    runWith(directIndividual, {74565 + 5});
    EXPECT_EQ(simulationState.simulationStep, 3);
    EXPECT_EQ(simulationState.missFlag[0], 0.0); // the first run's block is still cached
    EXPECT_EQ(simulationState.snapshots[1].blockState[0], BlockState::Loaded);
    EXPECT_EQ(simulationState.wordOffset[1], 842u);
    EXPECT_EQ(simulationState.stepRecords[0].ramBlock, 0u); // trace index 0 is never written
}

TEST_F(SimulationDriver, ChangingThePolicyStartsAgainFromAnEmptyCache) {
    const ConfigSetup associativeFifo{.mapping = MappingMethod::Associative};
    runWith(associativeFifo, {74565});
    runWith(associativeFifo, {74565});
    EXPECT_EQ(simulationState.simulationStep, 2);
    ConfigSetup associativeLru = associativeFifo;
    associativeLru.policy = ReplacementPolicy::Lru;
    runWith(associativeLru, {74565});
    EXPECT_EQ(simulationState.simulationStep, 1);
    EXPECT_EQ(simulationState.missFlag[0], 1.0);
}

TEST_F(SimulationDriver, ChangingOnlyTheSizesKeepsTheIndividualCache) {
    runWith(directIndividual, {74565});
    ConfigSetup bigger = directIndividual;
    bigger.ramMb = 2;
    runWith(bigger, {74565});
    EXPECT_EQ(simulationState.simulationStep, 2);
}

TEST_F(SimulationDriver, ClosingTheDialogForcesAReset) {
    runWith(directIndividual, {74565});
    simulationState.previousMappingMethod = -2; // what "Exit" of the dialog does
    simulationState.previousReplacementPolicy = -2;
    simulationState.previousWorkMode = -2;
    runWith(directIndividual, {74565});
    EXPECT_EQ(simulationState.simulationStep, 1);
}

TEST_F(SimulationDriver, GivenSequenceRunOnceTakesTenStepsFromAResetCache) {
    for (int i = 0; i < 3; ++i) {
        runWith(givenOnce, {0, 1024, 0, 2048, 16384, 0, 1024, 3072, 4096, 0});
    }
    EXPECT_EQ(simulationState.simulationStep, 10);
    const std::vector<double> expected{1, 1, 0, 1, 1, 1, 0, 1, 1, 0};
    EXPECT_EQ(std::vector<double>(simulationState.missFlag.begin(), simulationState.missFlag.begin() + 10),
              expected);
    EXPECT_EQ(simulationState.snapshots[10].blockColor[0], emptyBlockColor); // beyond the run: reset state
}

TEST_F(SimulationDriver, GivenSequenceRepeatsTheTenAddressesForEachIteration) {
    ConfigSetup three = givenOnce;
    three.iterations = 3;
    runWith(three, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    for (std::size_t i = 10; i < 30; ++i) {
        EXPECT_EQ(cacheConfig.addressSequence[i], cacheConfig.addressSequence[i % 10]) << i;
    }
    EXPECT_EQ(cacheConfig.addressSequence[30], 0u);
    EXPECT_EQ(simulationState.simulationStep, 100);
}

TEST_F(SimulationDriver, RandomSequenceIsKeptUntilAnotherModeRuns) {
    runWith(randomSequence, {});
    const auto first = randomAddresses();
    EXPECT_EQ(
        std::vector<std::uint32_t>(cacheConfig.addressSequence.begin(), cacheConfig.addressSequence.end()),
        first);
    ConfigSetup directRandom = randomSequence;
    directRandom.mapping = MappingMethod::Direct;
    runWith(directRandom, {});
    EXPECT_EQ(randomAddresses(), first);
    EXPECT_EQ(simulationState.simulationStep, 100);

    runWith(givenOnce, {});
    runWith(randomSequence, {});
    EXPECT_NE(randomAddresses(), first);
}

TEST_F(SimulationDriver, RegenerateFlagDrawsANewSequence) {
    runWith(randomSequence, {});
    const auto first = randomAddresses();
    simulationState.regenerateRandomSequence = 1; // "Reinit. secv.aleatoare"
    runWith(randomSequence, {});
    EXPECT_NE(randomAddresses(), first);
    EXPECT_EQ(simulationState.regenerateRandomSequence, 0);
}

std::uint32_t scriptedDraws = 0;
std::uint32_t scriptedNumber() {
    // The first draw picks the quarter; every fourth one after it is the quarter's candidate.
    const std::uint32_t index = scriptedDraws++;
    return index == 0 ? 3u : 0xffffffffu - index;
}

TEST_F(SimulationDriver, RandomSequenceDrawsFourHundredAndOneNumbersInOneQuarter) {
    scriptedDraws = 0;
    installRandomGenerator(scriptedNumber);
    drawRandomSequence(32);
    EXPECT_EQ(scriptedDraws, 401u);
    // Quarter 3 of 32 bits starts at 3221225469 and spans 1073741826 addresses.
    for (std::size_t i = 0; i < 100; ++i) {
        const std::uint32_t u = 0xffffffffu - static_cast<std::uint32_t>(4 + 4 * i);
        const auto expected = static_cast<std::uint32_t>(u / 4294967296.0 * 1073741826.0 + 3221225469.0);
        EXPECT_EQ(simulationState.randomSequence[i], expected) << i;
    }
    EXPECT_LT(*std::max_element(simulationState.randomSequence.begin(), simulationState.randomSequence.end()),
              4294967295u);
}

TEST_F(SimulationDriver, EachSequenceLiesInOneQuarterOfTheAddressSpace) {
    constexpr std::uint32_t q = 262143; // 1 MB of RAM: 2^18 - 1
    const std::array<std::pair<std::uint32_t, std::uint32_t>, 4> quarters{
        {{0, q}, {q, 2 * q}, {2 * q, 3 * q}, {3 * q, 1048575}}};
    std::array<int, 4> seen{};
    for (std::uint64_t seed = 1; seed <= 64; ++seed) {
        seedDeterministicRandom(seed);
        drawRandomSequence(20);
        const auto& sequence = simulationState.randomSequence;
        for (std::size_t k = 0; k < 4; ++k) {
            const auto [low, end] = quarters[k];
            if (std::all_of(sequence.begin(), sequence.end(), [&](auto a) { return a >= low && a < end; })) {
                ++seen[k];
            }
        }
    }
    EXPECT_EQ(seen[0] + seen[1] + seen[2] + seen[3], 64);
    EXPECT_GT(*std::min_element(seen.begin(), seen.end()), 0); // every quarter gets chosen
}

TEST_F(SimulationDriver, SmallerRamKeepsTheOldSequenceWithNewWidths) {
    ConfigSetup large = randomSequence;
    large.ramMb = 4096;
    large.cacheKb = 1024;
    large.blockBytes = 65536;
    runWith(large, {});
    const auto drawn = randomAddresses();
    runWith(randomSequence, {});
    EXPECT_EQ(randomAddresses(), drawn);
    EXPECT_EQ(simulationState.addressBits, 20u);
    EXPECT_EQ(simulationState.stepRecords[0].ramBlock, drawn[0] >> 10);
    EXPECT_EQ(simulationState.tagValue[0], (drawn[0] >> 10) & 0x3ffu);
}

} // namespace
