#pragma once

#include <cstdint>

// One memory access under each mapping method. The address simulated is addressSequence[addressIndex]; its
// fields, step record and snapshot go to trace index addressIndex + traceOffset, its outcome to
// missFlag[addressIndex]. The driver passes (s, 0) for step s of a sequence and (0, 1) for an individual run.
void directStep(std::int32_t addressIndex, std::int32_t traceOffset);
void associativeStep(std::int32_t addressIndex, std::int32_t traceOffset);
void setAssociativeStep(std::int32_t addressIndex, std::int32_t traceOffset);
