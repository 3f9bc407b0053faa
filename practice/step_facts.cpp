#include "practice/step_facts.h"

#include "engine/replacement.h"
#include "engine/simulation_state.h"

namespace {

// The blocks the access with these fields could use.
CandidateRange candidates(const ExerciseKey& key, MappingMethod method, const ExerciseAccess& access) {
    switch (method) {
    case MappingMethod::Direct:
        return {static_cast<int>(access.index), 1};
    case MappingMethod::SetAssociative:
        return {static_cast<int>(access.index) * key.blocksPerSet, key.blocksPerSet};
    case MappingMethod::Associative:
        break;
    }
    return {0, key.cacheBlockCount};
}

// The block the access used: the one of its range that held its tag, or the one its miss filled, which is
// either the block it evicted or one that was empty before and holds a RAM block after it.
int usedBlock(const ExerciseAccess& access, CandidateRange range, const CacheSnapshot& before,
              const CacheSnapshot& after) {
    if (access.hit) {
        return findHit(before, range, access.tag);
    }
    if (access.replacedBlock >= 0) {
        return access.replacedBlock;
    }
    for (int b = range.first; b < range.first + range.count; ++b) {
        if (before.blockState[slot(b)] == BlockState::Empty &&
            after.blockState[slot(b)] != BlockState::Empty) {
            return b;
        }
    }
    return -1;
}

} // namespace

std::array<StepFacts, addressFieldCount> readStepFacts(const ExerciseKey& key, MappingMethod method) {
    std::array<StepFacts, addressFieldCount> facts{};
    std::array<int, cacheBlockCapacity> lastUse{};
    const CacheSnapshot empty{};
    for (int t = 0; t < addressFieldCount; ++t) {
        const ExerciseAccess& access = key.accesses[slot(t)];
        const CacheSnapshot& before = t == 0 ? empty : snapshotAt(t - 1);
        const CandidateRange range = candidates(key, method, access);
        StepFacts& step = facts[slot(t)];
        step.ramBlock = simulationState.stepRecords[slot(t)].ramBlock;
        step.firstBlock = range.first;
        step.blockCount = range.count;
        for (int b = range.first; b < range.first + range.count && b < cacheBlockCapacity; ++b) {
            const bool filled = before.blockState[slot(b)] != BlockState::Empty;
            step.before[slot(b)] = {filled, before.blockTag[slot(b)], before.loadStep[slot(b)],
                                    lastUse[slot(b)]};
        }
        step.usedBlock = usedBlock(access, range, before, snapshotAt(t));
        if (step.usedBlock >= 0 && step.usedBlock < cacheBlockCapacity) {
            lastUse[slot(step.usedBlock)] = t + 1;
        }
    }
    return facts;
}
