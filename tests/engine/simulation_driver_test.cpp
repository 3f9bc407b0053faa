#include "engine/simulation_driver.h"

#include "core_state.h"
#include "engine/mapping_steps.h"
#include "engine/random_source.h"
#include "engine/replacement.h"
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

TEST_F(SimulationDriver, ChangingOnlyTheRamSizeKeepsTheIndividualCache) {
    runWith(directIndividual, {74565});
    ConfigSetup bigger = directIndividual;
    bigger.ramMb = 2;
    runWith(bigger, {74565});
    EXPECT_EQ(simulationState.simulationStep, 2);
    EXPECT_EQ(simulationState.missFlag[0], hitOutcome); // tag, block and word do not depend on the RAM size
}

TEST_F(SimulationDriver, ANewBlockSizeStartsAgainInsteadOfHittingABlockNeverLoaded) {
    // 16 KB of 1024-byte blocks, then 2048-byte blocks: RAM block 4 of the first geometry sat in cache block
    // 4 with tag 0, exactly where address 8192 would look under the second.
    runWith(directIndividual, {4096});
    ConfigSetup largerBlocks = directIndividual;
    largerBlocks.blockBytes = 2048;
    runWith(largerBlocks, {8192});
    EXPECT_EQ(simulationState.simulationStep, 1);
    EXPECT_EQ(simulationState.missFlag[0], missOutcome);
    runWith(largerBlocks, {8192});
    EXPECT_EQ(simulationState.simulationStep, 2);
    EXPECT_EQ(simulationState.missFlag[0], hitOutcome);
}

TEST_F(SimulationDriver, AShrunkLruCacheStartsAgainAndEvictsTheLeastRecentlyUsedBlock) {
    const ConfigSetup sixteenBlocks{.cacheKb = 64,
                                    .blockBytes = 4096,
                                    .mapping = MappingMethod::Associative,
                                    .policy = ReplacementPolicy::Lru};
    for (std::uint32_t block = 0; block < 16; ++block) {
        runWith(sixteenBlocks, {block * 4096});
    }
    ConfigSetup fourBlocks = sixteenBlocks;
    fourBlocks.cacheKb = 16;
    for (std::uint32_t block : {20u, 21u, 22u, 23u, 20u, 24u}) {
        runWith(fourBlocks, {block * 4096});
    }
    // Blocks 20..23 filled cache blocks 0..3, 20 was used again, so 21 in cache block 1 was least recently
    // used.
    EXPECT_EQ(simulationState.simulationStep, 6);
    const CacheSnapshot& cache = simulationState.snapshots[1];
    EXPECT_EQ(cache.blockState[1], BlockState::Replaced);
    EXPECT_EQ(cache.blockTag[1], 24u);
    EXPECT_EQ(cache.blockTag[0], 20u);
    EXPECT_EQ(cache.lruRow[3], 0x2u); // 4-bit rows only: nothing is left of the sixteen-block matrix
    EXPECT_EQ(cache.blockState[4], BlockState::Empty);
}

TEST_F(SimulationDriver, TheSetCountCountsOnlyForSetAssociativeMapping) {
    const ConfigSetup twoSets{.mapping = MappingMethod::SetAssociative, .sets = 2};
    runWith(twoSets, {74565});
    ConfigSetup fourSets = twoSets;
    fourSets.sets = 4;
    runWith(fourSets, {74565});
    EXPECT_EQ(simulationState.simulationStep, 1);
    EXPECT_EQ(simulationState.missFlag[0], missOutcome);

    ConfigSetup directWithSets = directIndividual;
    directWithSets.sets = 2;
    runWith(directWithSets, {74565});
    directWithSets.sets = 4;
    runWith(directWithSets, {74565});
    EXPECT_EQ(simulationState.simulationStep, 2);
    EXPECT_EQ(simulationState.missFlag[0], hitOutcome);
}

TEST_F(SimulationDriver, ClosingTheDialogForcesAReset) {
    runWith(directIndividual, {74565});
    forgetLastReset(); // what "Exit" of the dialog does
    EXPECT_EQ(simulationState.previousMappingMethod, -2);
    EXPECT_EQ(simulationState.previousReplacementPolicy, -2);
    EXPECT_EQ(simulationState.previousWorkMode, -2);
    EXPECT_EQ(simulationState.regenerateRandomSequence, 1);
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
            const std::pair<std::uint32_t, std::uint32_t> quarter = quarters[k];
            if (std::all_of(sequence.begin(), sequence.end(),
                            [&](auto a) { return a >= quarter.first && a < quarter.second; })) {
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

// What a sequence run leaves, step by step: the reset of every snapshot, then the copy of the used blocks and
// the public step, as the steps are defined one at a time.
struct StepByStepRecords {
    std::array<CacheSnapshot, stepCapacity> snapshots;
    std::array<StepRecord, stepCapacity> stepRecords;
    std::array<double, stepCapacity> missFlag;
    std::array<std::uint32_t, stepCapacity> tagValue;
    std::int32_t simulationStep;

    static StepByStepRecords ofState() {
        const SimulationState& state = simulationState;
        return {state.snapshots, state.stepRecords, state.missFlag, state.tagValue, state.simulationStep};
    }
    bool operator==(const StepByStepRecords&) const = default;
};

StepByStepRecords stepByStep(const SimulationState& before, MappingMethod method, int steps) {
    simulationState = before;
    resetSimulationState();
    const auto step = method == MappingMethod::Direct
                          ? directStep
                          : (method == MappingMethod::Associative ? associativeStep : setAssociativeStep);
    for (int s = 0; s < steps; ++s) {
        copySnapshot(s);
        step(s, 0);
    }
    return StepByStepRecords::ofState();
}

// A run reuses the snapshots it overwrites whole without emptying them first: whatever the run before left in
// them, longer or shorter, under another method or geometry, the records must be those of the steps alone.
TEST_F(SimulationDriver, ASequenceRunLeavesWhatItsStepsLeaveOnAnEmptiedState) {
    const std::initializer_list<std::uint32_t> addresses{0,     8192, 16384, 0, 24576,
                                                         40960, 8192, 4096,  0, 16384};
    for (const MappingMethod method :
         {MappingMethod::Direct, MappingMethod::Associative, MappingMethod::SetAssociative}) {
        for (const ReplacementPolicy policy : {ReplacementPolicy::Fifo, ReplacementPolicy::Lru}) {
            for (const auto& [mode, iterations] :
                 {std::pair{WorkMode::GivenSequence, 1}, std::pair{WorkMode::GivenSequence, 4},
                  std::pair{WorkMode::RandomSequence, 30}}) {
                // 16 blocks of 1024 bytes leave every slot of the snapshots filled; the run uses 4 of 4096.
                runWith({.mapping = MappingMethod::Associative,
                         .mode = WorkMode::RandomSequence,
                         .iterations = 100},
                        {});
                const ConfigSetup setup{.blockBytes = 4096,
                                        .mapping = method,
                                        .policy = policy,
                                        .mode = mode,
                                        .sets = 2,
                                        .iterations = iterations};
                const SimulationState before = simulationState;
                runWith(setup, addresses);
                const StepByStepRecords run = StepByStepRecords::ofState();
                EXPECT_EQ(run, stepByStep(before, method, simulatedAccessCount()))
                    << toInt(method) << " " << toInt(policy) << " " << toInt(mode) << " " << iterations;
            }
        }
    }
}

} // namespace
