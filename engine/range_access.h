#pragma once

#include "engine/replacement.h"
#include "engine/step_start.h"

namespace range_access_detail {

// A miss fills the range's first free block, or else evicts the victim of the replacement policy: under LRU
// the block used longest ago, leastRecent (-1 under FIFO). The step's record gets the block filled and the
// one evicted.
inline void fillOnMiss(CacheSnapshot& cache, CandidateRange range, std::uint32_t tag, int leastRecent,
                       StepRecord& record) {
    const auto step = static_cast<std::uint32_t>(simulationState.simulationStep);
    const int freeBlock = findFreeBlock(cache, range);
    if (freeBlock >= 0) {
        fillBlock(cache, freeBlock, step, tag, BlockState::Loaded);
        record.usedBlock = freeBlock;
        return;
    }
    const int victim = leastRecent >= 0 ? leastRecent : fifoVictim(cache, range, step);
    fillBlock(cache, victim, step, tag, BlockState::Replaced);
    record.usedBlock = victim;
    record.evictedBlock = victim;
}

// The candidates of the step, and under LRU the one used longest ago before it; returns that one, -1 under
// FIFO.
inline int recordCandidates(const CacheSnapshot& cache, CandidateRange range, StepRecord& record) {
    record.firstCandidate = range.first;
    record.lastCandidate = range.first + range.count - 1;
    if (cacheConfig.replacementPolicy != ReplacementPolicy::Lru) {
        return -1;
    }
    record.leastRecentBlock = lruVictim(cache, range);
    record.leastRecentUse = cache.useStep[slot(record.leastRecentBlock)];
    return record.leastRecentBlock;
}

} // namespace range_access_detail

// The access shared by the associative and set-associative steps, confined to a range of blocks: a hit on the
// first block of the range holding the tag, otherwise a fill of the range's first free block or of the victim
// of the replacement policy. What it did goes to the step's record.
inline void accessCandidateRange(std::int32_t addressIndex, StepStart step, CandidateRange range) {
    if (range.count <= 0) {
        return; // no block to use: only an unvalidated block count gets here
    }
    CacheSnapshot& cache = snapshotAt(step.t);
    StepRecord& record = simulationState.stepRecords[slot(step.t)];
    const int leastRecent = range_access_detail::recordCandidates(cache, range, record);
    const int hitBlock = findHit(cache, range, step.tag);
    recordOutcome(addressIndex, hitBlock >= 0);
    if (hitBlock >= 0) {
        applyHit(cache, hitBlock, static_cast<std::uint32_t>(simulationState.simulationStep));
        record.usedBlock = hitBlock;
    } else {
        range_access_detail::fillOnMiss(cache, range, step.tag, leastRecent, record);
    }
    // Hit or fill, the block used is now the most recently used.
    updateLruMatrix(cache, record.usedBlock, usedBlockCount());
}
