#include "engine/simulation_state.h"

SimulationState simulationState;

void resetSimulationState() {
    CacheSnapshot emptyCache;
    emptyCache.blockColor.fill(emptyBlockColor);
    simulationState.snapshots.fill(emptyCache);
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
