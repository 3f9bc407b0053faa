#pragma once

#include <cstdint>

// One memory access under each mapping method. The address simulated is addressSequence[addressIndex]; its
// fields, step record and snapshot go to trace index addressIndex + traceOffset, its outcome to
// missFlag[addressIndex]. The driver passes (s, 0) for step s of a sequence and (0, 1) for an individual run.
void directStep(std::int32_t addressIndex, std::int32_t traceOffset);
void associativeStep(std::int32_t addressIndex, std::int32_t traceOffset);
void setAssociativeStep(std::int32_t addressIndex, std::int32_t traceOffset);

// Steps 0 to steps - 1 of a sequence under each method, on the cache resetForSequence(steps) left: before
// each step after the first the cache is carried forward from the step before.
void runDirectSequence(int steps);
void runAssociativeSequence(int steps);
void runSetAssociativeSequence(int steps);
