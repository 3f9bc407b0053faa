#pragma once

#include "engine/replacement.h"
#include "engine/step_start.h"

namespace range_access_detail {

// A miss fills the range's first free block, or else the victim of the replacement policy. Returns the block
// filled.
inline int fillOnMiss(CacheSnapshot& cache, CandidateRange range, std::uint32_t tag) {
    const auto step = static_cast<std::uint32_t>(simulationState.simulationStep);
    const int freeBlock = findFreeBlock(cache, range);
    if (freeBlock >= 0) {
        fillBlock(cache, freeBlock, step, tag, BlockState::Loaded);
        return freeBlock;
    }
    const int victim = cacheConfig.replacementPolicy == ReplacementPolicy::Lru
                           ? lruVictim(cache, range)
                           : fifoVictim(cache, range, step);
    fillBlock(cache, victim, step, tag, BlockState::Replaced);
    return victim;
}

} // namespace range_access_detail

// The access shared by the associative and set-associative steps, confined to a range of blocks: a hit on the
// first block of the range holding the tag, otherwise a fill of the range's first free block or of the victim
// of the replacement policy.
inline void accessCandidateRange(std::int32_t addressIndex, StepStart step, CandidateRange range) {
    if (range.count <= 0) {
        return; // no block to use: only an unvalidated block count gets here
    }
    CacheSnapshot& cache = snapshotAt(step.t);
    const int hitBlock = findHit(cache, range, step.tag);
    recordOutcome(addressIndex, hitBlock >= 0);
    int usedBlock = hitBlock;
    if (hitBlock >= 0) {
        applyHit(cache, hitBlock);
    } else {
        usedBlock = range_access_detail::fillOnMiss(cache, range, step.tag);
    }
    // Hit or fill, the block used is now the most recently used.
    updateLruMatrix(cache, usedBlock, usedBlockCount());
}
