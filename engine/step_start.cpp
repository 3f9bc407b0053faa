#include "engine/step_start.h"

#include "config/capacities.h"
#include "config/wrapping_arithmetic.h"
#include "engine/address_fields.h"
#include "engine/replacement.h"
#include "engine/simulation_state.h"

StepStart startStep(std::int32_t addressIndex, std::int32_t traceOffset, MappingMethod method) {
    const int t = addressIndex + traceOffset;
    const std::uint32_t address = cacheConfig.addressSequence[static_cast<std::size_t>(addressIndex)];
    computeAddressWidths(method);
    decomposeAddress(address, t, method);
    simulationState.simulationStep = wrappingAdd(simulationState.simulationStep, 1);
    recolourFilledBlocks(snapshotAt(t), usedBlockCount());
    return StepStart{t, simulationState.tagValue[slot(t)]};
}

void recordOutcome(std::int32_t addressIndex, bool hit) {
    simulationState.missFlag[static_cast<std::size_t>(addressIndex)] = hit ? hitOutcome : missOutcome;
}
