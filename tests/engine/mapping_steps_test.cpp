#include "engine/mapping_steps.h"

#include "engine_steps.h"

#include <gtest/gtest.h>

namespace {

class MappingSteps : public ::testing::Test {
  protected:
    void SetUp() override { startFromStartup(); }
};

// 16 blocks of 1024 bytes: block field = bits 10..13, tag = bits 14..19.
constexpr ConfigSetup directSixteen{
    .mapping = MappingMethod::Direct, .mode = WorkMode::GivenSequence, .iterations = 1};
constexpr std::uint32_t workedAddress = 74565; // block 8, tag 4

TEST_F(MappingSteps, DirectMissFillsThenHitRestampsTheBlock) {
    StepDriver driver(directSixteen, directStep);
    const int first = driver.access(workedAddress);
    EXPECT_TRUE(driver.missed(first));
    EXPECT_EQ(driver.cache().blockState[8], BlockState::Loaded);
    EXPECT_EQ(driver.cache().blockColor[8], filledBlockColor);
    EXPECT_EQ(driver.cache().loadStep[8], 1u);

    const int second = driver.access(workedAddress + 1); // same RAM block, other word
    EXPECT_FALSE(driver.missed(second));
    EXPECT_EQ(driver.cache().blockColor[8], filledBlockColor);
    EXPECT_EQ(driver.cache().loadStep[8], 2u);
    EXPECT_EQ(driver.cache().lruRow[8], 0u); // direct mapping keeps no LRU matrix
}

TEST_F(MappingSteps, DirectConflictEvictsAndShowsPinkOnce) {
    StepDriver driver(directSixteen, directStep);
    driver.access(workedAddress);
    const int conflict = driver.access(workedAddress + (1u << 14)); // block 8, tag 5
    EXPECT_TRUE(driver.missed(conflict));
    EXPECT_EQ(driver.cache().blockTag[8], 5u);
    EXPECT_EQ(driver.cache().blockColor[8], evictedBlockColor);
    EXPECT_EQ(driver.cache().blockState[8], BlockState::Loaded);
    driver.access(0); // block 0
    EXPECT_EQ(driver.cache().blockColor[8], filledBlockColor);
}

TEST_F(MappingSteps, DirectTwoBlocksAlternatingConflictsMissEveryTime) {
    StepDriver driver({.ramMb = 1, .cacheKb = 16, .blockBytes = 8192, .mapping = MappingMethod::Direct},
                      directStep);
    for (int i = 0; i < 6; ++i) {
        const int t = driver.access(i % 2 == 0 ? 0u : 16384u); // both block 0, tags 0 and 1
        EXPECT_TRUE(driver.missed(t)) << i;
    }
}

TEST_F(MappingSteps, AssociativeFillsFreeBlocksInOrder) {
    StepDriver driver(fourBlockAssociative, associativeStep);
    for (std::uint32_t b : {5u, 9u, 2u, 7u}) {
        EXPECT_TRUE(driver.missed(driver.access(ramBlock(b))));
    }
    EXPECT_EQ(driver.cache().blockTag, (std::array<std::uint32_t, 16>{5, 9, 2, 7}));
    EXPECT_EQ(driver.cache().loadStep, (std::array<std::uint32_t, 16>{1, 2, 3, 4}));
    EXPECT_FALSE(driver.missed(driver.access(ramBlock(2) + 100)));
}

TEST_F(MappingSteps, AssociativeFifthBlockEvictsByPolicy) {
    for (auto [policy, expectedVictim] :
         {std::pair{ReplacementPolicy::Fifo, 0}, {ReplacementPolicy::Lru, 1}}) {
        ConfigSetup setup = fourBlockAssociative;
        setup.policy = policy;
        StepDriver driver(setup, associativeStep);
        for (std::uint32_t b : {0u, 1u, 2u, 3u, 0u, 4u}) {
            driver.access(ramBlock(b));
        }
        EXPECT_EQ(driver.cache().blockTag[static_cast<std::size_t>(expectedVictim)], 4u) << toInt(policy);
        EXPECT_EQ(driver.cache().blockColor[static_cast<std::size_t>(expectedVictim)], evictedBlockColor);
    }
}

// 8 blocks of 2048 bytes in 4 sets of 2: the set field is bits 11..12, the tag bits 13..19.
constexpr ConfigSetup eightBlocksFourSets{.ramMb = 1,
                                          .cacheKb = 16,
                                          .blockBytes = 2048,
                                          .mapping = MappingMethod::SetAssociative,
                                          .policy = ReplacementPolicy::Lru,
                                          .mode = WorkMode::GivenSequence,
                                          .sets = 4,
                                          .iterations = 1};

constexpr std::uint32_t inSet(std::uint32_t set, std::uint32_t tag) {
    return (tag << 13) | (set << 11);
}

TEST_F(MappingSteps, SetAssociativeStaysInsideTheAddressedSet) {
    StepDriver driver(eightBlocksFourSets, setAssociativeStep);
    driver.access(inSet(2, 1));
    driver.access(inSet(2, 2));
    driver.access(inSet(2, 1)); // block 4 is now the more recent of the set
    const int third = driver.access(inSet(2, 3));
    EXPECT_TRUE(driver.missed(third));
    EXPECT_EQ(simulationState.blocksPerSet, 2);
    EXPECT_EQ(driver.cache().blockTag[4], 1u);
    EXPECT_EQ(driver.cache().blockTag[5], 3u);
    EXPECT_EQ(driver.cache().blockState[5], BlockState::Replaced);
    for (std::size_t b : std::array<std::size_t, 6>{0, 1, 2, 3, 6, 7}) {
        EXPECT_EQ(driver.cache().blockState[b], BlockState::Empty) << b;
    }
}

TEST_F(MappingSteps, OneBlockPerSetEvictsWhateverThePolicy) {
    ConfigSetup setup = eightBlocksFourSets;
    setup.cacheKb = 8; // 4 blocks, 4 sets
    setup.policy = ReplacementPolicy::Fifo;
    StepDriver driver(setup, setAssociativeStep);
    driver.access(inSet(1, 1));
    driver.access(inSet(3, 1));
    driver.access(inSet(1, 2));
    EXPECT_EQ(driver.cache().blockTag[1], 2u);
    EXPECT_EQ(driver.cache().blockState[1], BlockState::Replaced);
    EXPECT_EQ(driver.cache().blockColor[1], evictedBlockColor);
    EXPECT_EQ(driver.cache().blockColor[3], filledBlockColor);
}

TEST_F(MappingSteps, OneSetBehavesLikeTheAssociativeStep) {
    const std::vector<std::uint32_t> addresses{ramBlock(3), ramBlock(1), ramBlock(3), ramBlock(6),
                                               ramBlock(2), ramBlock(9), ramBlock(1), ramBlock(4)};
    ConfigSetup associative = fourBlockAssociative;
    associative.policy = ReplacementPolicy::Lru;
    StepDriver whole(associative, associativeStep);
    for (std::uint32_t a : addresses) {
        whole.access(a);
    }
    const CacheSnapshot expected = whole.cache();
    const auto expectedFlags = simulationState.missFlag;

    ConfigSetup oneSet = associative;
    oneSet.mapping = MappingMethod::SetAssociative;
    oneSet.sets = 1;
    StepDriver sets(oneSet, setAssociativeStep);
    for (std::uint32_t a : addresses) {
        sets.access(a);
    }
    EXPECT_EQ(sets.cache().blockTag, expected.blockTag);
    EXPECT_EQ(sets.cache().lruRow, expected.lruRow);
    EXPECT_EQ(sets.cache().blockState, expected.blockState);
    EXPECT_EQ(simulationState.missFlag, expectedFlags);
}

} // namespace
