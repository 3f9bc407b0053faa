#include "engine/replacement.h"

#include "engine_steps.h"

#include <gtest/gtest.h>

namespace {

class Replacement : public ::testing::Test {
  protected:
    void SetUp() override { startFromStartup(); }
};

std::vector<std::uint32_t> lruRows(const CacheSnapshot& cache, int n) {
    return {cache.lruRow.begin(), cache.lruRow.begin() + n};
}

TEST_F(Replacement, LruMatrixRecordsTheOrderOfUse) {
    StepDriver driver(fourBlockAssociative, associativeStep);
    for (std::uint32_t b = 0; b < 4; ++b) {
        driver.access(ramBlock(b));
    }
    EXPECT_EQ(lruRows(driver.cache(), 4), (std::vector<std::uint32_t>{0x0, 0x8, 0xc, 0xe}));
    const CandidateRange all{0, 4};
    EXPECT_EQ(lruVictim(driver.cache(), all), 0);
    EXPECT_EQ(fifoVictim(driver.cache(), all, 4), 0);

    driver.access(ramBlock(0)); // a hit on block 0
    EXPECT_EQ(lruRows(driver.cache(), 4), (std::vector<std::uint32_t>{0x7, 0x0, 0x4, 0x6}));
    EXPECT_EQ(lruVictim(driver.cache(), all), 1);
    EXPECT_EQ(fifoVictim(driver.cache(), all, 5), 0);
}

TEST_F(Replacement, FirstUseOfSixteenBlocksSetsFifteenBits) {
    StepDriver driver({.ramMb = 1, .cacheKb = 16, .blockBytes = 1024, .mapping = MappingMethod::Associative},
                      associativeStep);
    driver.access(0);
    EXPECT_EQ(driver.cache().lruRow[0], 0x7fffu);
}

TEST_F(Replacement, LruTieGoesToTheEarlierLoadThenTheLowerBlock) {
    CacheSnapshot cache;
    cache.lruRow = {5, 0, 0, 0};
    cache.loadStep = {1, 9, 3, 3};
    EXPECT_EQ(lruVictim(cache, {0, 4}), 2);
    EXPECT_EQ(lruVictim(cache, {1, 1}), 1); // only the range counts
    EXPECT_EQ(fifoVictim(cache, {1, 3}, 9), 2);
}

TEST_F(Replacement, CopyingCarriesOnlyTheUsedBlocksForward) {
    StepDriver driver(fourBlockAssociative, associativeStep);
    CacheSnapshot& first = simulationState.snapshots[0];
    first.blockTag = {1, 2, 3, 4, 5, 6};
    const CacheSnapshot before = simulationState.snapshots[0];
    copySnapshot(0);
    EXPECT_EQ(simulationState.snapshots[0].blockTag, before.blockTag);
    copySnapshot(1);
    const CacheSnapshot& second = simulationState.snapshots[1];
    EXPECT_EQ(std::vector<std::uint32_t>(second.blockTag.begin(), second.blockTag.begin() + 6),
              (std::vector<std::uint32_t>{1, 2, 3, 4, 0, 0}));
}

TEST_F(Replacement, SnapshotBookkeepingStaysWithinTheFirstNBlocks) {
    CacheSnapshot cache;
    cache.blockState = {BlockState::Replaced, BlockState::Empty, BlockState::Loaded, BlockState::Replaced};
    cache.blockColor = {evictedBlockColor, emptyBlockColor, evictedBlockColor, evictedBlockColor};
    recolourFilledBlocks(cache, 3);
    EXPECT_EQ(
        std::vector<std::uint32_t>(cache.blockColor.begin(), cache.blockColor.begin() + 4),
        (std::vector<std::uint32_t>{filledBlockColor, emptyBlockColor, filledBlockColor, evictedBlockColor}));

    cache.lruRow = {0x1, 0x2, 0x4, 0x8};
    updateLruMatrix(cache, 3, 3); // block 3 lies outside a cache of three blocks
    EXPECT_EQ(lruRows(cache, 4), (std::vector<std::uint32_t>{0x1, 0x2, 0x4, 0x8}));
    updateLruMatrix(cache, 1, 3);
    EXPECT_EQ(lruRows(cache, 4), (std::vector<std::uint32_t>{0x1, 0x5, 0x4, 0x8}));
}

TEST_F(Replacement, FillStampsTheBlockAndLeavesTheLruMatrix) {
    CacheSnapshot cache;
    cache.lruRow = {0x3, 0x1};
    fillBlock(cache, 1, 7, 42, BlockState::Replaced);
    EXPECT_EQ(cache.loadStep[1], 7u);
    EXPECT_EQ(cache.blockTag[1], 42u);
    EXPECT_EQ(cache.blockState[1], BlockState::Replaced);
    EXPECT_EQ(cache.blockColor[1], evictedBlockColor);
    EXPECT_EQ(lruRows(cache, 2), (std::vector<std::uint32_t>{0x3, 0x1}));
    fillBlock(cache, 0, 8, 43, BlockState::Loaded);
    EXPECT_EQ(cache.blockColor[0], filledBlockColor);
}

TEST_F(Replacement, EvictedBlockIsPinkForOneStepOnly) {
    StepDriver driver(fourBlockAssociative, associativeStep);
    for (std::uint32_t b = 0; b < 4; ++b) {
        driver.access(ramBlock(b));
    }
    const int evicting = driver.access(ramBlock(7));
    EXPECT_EQ(simulationState.snapshots[static_cast<std::size_t>(evicting)].blockColor[0], evictedBlockColor);
    EXPECT_EQ(simulationState.snapshots[static_cast<std::size_t>(evicting)].blockState[0],
              BlockState::Replaced);
    driver.access(ramBlock(7)); // hits the replaced block
    EXPECT_EQ(driver.cache().blockColor[0], filledBlockColor);
    EXPECT_EQ(driver.cache().blockState[0], BlockState::Loaded);
    EXPECT_EQ(driver.cache().loadStep[0], 5u); // a hit does not count as a load
}

TEST_F(Replacement, FifoEvictsInLoadOrderEvenAfterHits) {
    StepDriver driver(fourBlockAssociative, associativeStep);
    for (std::uint32_t b : {0u, 1u, 2u, 3u, 8u, 8u, 1u, 9u}) {
        driver.access(ramBlock(b));
    }
    // 8 replaced block 0 at step 5; the hit on it kept its loadStep; 9 then evicts block 1, the oldest load.
    EXPECT_EQ(driver.cache().blockTag[1], 9u);
    EXPECT_EQ(driver.cache().blockTag[0], 8u);
}

} // namespace
