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
