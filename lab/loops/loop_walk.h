#pragma once

#include "lab/loops/loop_fault.h"
#include "lab/loops/loop_program.h"

#include <cstdint>

// What the check and the trace both compute as they walk the loops: a loop's range in the current values
// of the variables around it, and the address of an element.

struct LoopRange {
    LoopFaultKind fault = LoopFaultKind::None;
    std::uint32_t node = 0; // the expression at fault
    std::int64_t first = 0;
    std::int64_t limit = 0;
    std::int64_t step = 1;
    std::uint64_t trips = 0; // how many values first, first + step, ... lie before limit
};

LoopRange loopRange(const LoopProgram& program, const LoopStatement& loop, const std::int64_t* variables);

// The value of the trip-th turn (0-based), trip < range.trips.
inline std::int64_t valueAtTrip(const LoopRange& range, std::uint64_t trip) {
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(range.first) +
                                     trip * static_cast<std::uint64_t>(range.step));
}

struct ElementOutcome {
    LoopFaultKind fault = LoopFaultKind::None; // IndexOutside, or a fault of an index's expression
    std::uint64_t address = 0;
    int index = 0;          // the index at fault, 0 for the first
    std::int64_t value = 0; // its value, when outside
    std::uint32_t node = 0; // the expression at fault
};

ElementOutcome elementAddress(const LoopProgram& program, const LoopStatement& access,
                              const std::int64_t* variables);

inline TraceAccess traceAccess(const LoopProgram& program, const LoopStatement& access,
                               std::uint64_t address) {
    return {address, program.arrays[access.array].elementBytes, access.op};
}
