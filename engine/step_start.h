#pragma once

#include "config/cache_config.h"

#include <cstdint>

// Where a step works: its trace index and the tag of its address.
struct StepStart {
    int t = 0;
    std::uint32_t tag = 0;
};

// What every mapping step does first: compute the widths of the method, cut the address into its fields at
// the step's trace index, count the step, and turn the blocks filled so far light blue.
StepStart startStep(std::int32_t addressIndex, std::int32_t traceOffset, MappingMethod method);

// Stores the outcome of the access in missFlag[addressIndex].
void recordOutcome(std::int32_t addressIndex, bool hit);
