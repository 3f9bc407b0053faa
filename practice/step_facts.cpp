#include "practice/step_facts.h"

#include "engine/replacement.h"
#include "engine/simulation_state.h"

std::array<StepFacts, addressFieldCount> readStepFacts() {
    std::array<StepFacts, addressFieldCount> facts{};
    const CacheSnapshot empty{};
    for (int t = 0; t < addressFieldCount; ++t) {
        const StepRecord& record = simulationState.stepRecords[slot(t)];
        const CacheSnapshot& before = t == 0 ? empty : snapshotAt(t - 1);
        StepFacts& step = facts[slot(t)];
        step.ramBlock = record.ramBlock;
        step.firstBlock = record.firstCandidate;
        step.blockCount = record.lastCandidate - record.firstCandidate + 1;
        for (int b = record.firstCandidate; b <= record.lastCandidate && b < cacheBlockCapacity; ++b) {
            const bool filled = before.blockState[slot(b)] != BlockState::Empty;
            step.before[slot(b)] = {filled, before.blockTag[slot(b)], before.loadStep[slot(b)],
                                    before.useStep[slot(b)]};
        }
        step.usedBlock = record.usedBlock;
        step.leastRecentUse = record.leastRecentUse;
    }
    return facts;
}
