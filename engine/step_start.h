#pragma once

#include "config/cache_config.h"
#include "config/capacities.h"
#include "config/wrapping_arithmetic.h"
#include "engine/address_fields.h"
#include "engine/replacement.h"
#include "engine/simulation_state.h"

#include <cstdint>

// Where a step works: its trace index and the tag of its address.
struct StepStart {
    int t = 0;
    std::uint32_t tag = 0;
};

// What every mapping step does first: compute the widths of the method, cut the address into its fields at
// the step's trace index, count the step, and turn the blocks filled so far light blue.
inline StepStart startStep(std::int32_t addressIndex, std::int32_t traceOffset, MappingMethod method) {
    const int t = addressIndex + traceOffset;
    const std::uint32_t address = cacheConfig.addressSequence[slot(addressIndex)];
    computeAddressWidths(method);
    decomposeAddress(address, t, method);
    simulationState.simulationStep = wrappingAdd(simulationState.simulationStep, 1);
    recolourFilledBlocks(snapshotAt(t), usedBlockCount());
    return StepStart{t, simulationState.tagValue[slot(t)]};
}

// Stores the outcome of the access in missFlag[addressIndex].
inline void recordOutcome(std::int32_t addressIndex, bool hit) {
    simulationState.missFlag[slot(addressIndex)] = hit ? hitOutcome : missOutcome;
}
