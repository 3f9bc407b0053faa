#include "engine/range_access.h"

void accessCandidateRange(std::int32_t addressIndex, StepStart step, CandidateRange range) {
    if (range.count <= 0) {
        return; // no block to use: only an unvalidated block count gets here
    }
    const CacheSnapshot& cache = simulationState.snapshots[static_cast<std::size_t>(step.t)];
    const int hitBlock = findHit(cache, range, step.tag);
    recordOutcome(addressIndex, hitBlock >= 0);
    if (hitBlock >= 0) {
        applyHit(hitBlock, step.t);
        return;
    }
    const int freeBlock = findFreeBlock(cache, range);
    if (freeBlock >= 0) {
        fillBlock(freeBlock, step.t, step.tag, BlockState::Loaded);
        return;
    }
    const int victim =
        cacheConfig.replacementPolicy == ReplacementPolicy::Lru
            ? lruVictim(cache, range)
            : fifoVictim(cache, range, static_cast<std::uint32_t>(simulationState.simulationStep));
    fillBlock(victim, step.t, step.tag, BlockState::Replaced);
}
