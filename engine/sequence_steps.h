#pragma once

#include "engine/replacement.h"

#include <cstdint>

// The loop of a sequence over one mapping step, instantiated beside the step so that the step compiles into
// it.
template <void (*step)(std::int32_t addressIndex, std::int32_t traceOffset)>
void runSequenceSteps(int steps) {
    for (int s = 0; s < steps; ++s) {
        if (s > 0) {
            carryWholeSnapshot(s);
        }
        step(s, 0);
    }
}
