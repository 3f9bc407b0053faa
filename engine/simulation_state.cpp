#include "engine/simulation_state.h"

#include <algorithm>

SimulationState simulationState;

namespace {

CacheSnapshot emptySnapshot() {
    CacheSnapshot emptyCache;
    emptyCache.blockColor.fill(emptyBlockColor);
    return emptyCache;
}

} // namespace

void resetSimulationState() {
    resetForSequence(1);
}

void resetForSequence(int steps) {
    const CacheSnapshot emptyCache = emptySnapshot();
    auto& snapshots = simulationState.snapshots;
    const int kept = std::clamp(steps, 1, stepCapacity);
    snapshots[0] = emptyCache;
    std::fill(snapshots.begin() + kept, snapshots.end(), emptyCache);
    simulationState.stepRecords.fill(StepRecord{});
    simulationState.missFlag.fill(hitOutcome);
    simulationState.simulationStep = 0;
}

void forgetLastReset() {
    SimulationState& state = simulationState;
    state.previousMappingMethod = forgottenChoice;
    state.previousReplacementPolicy = forgottenChoice;
    state.previousWorkMode = forgottenChoice;
    state.previousCacheSizeKb = forgottenChoice;
    state.previousBlockSizeBytes = forgottenChoice;
    state.previousSetCount = forgottenChoice;
    state.regenerateRandomSequence = 1;
}
