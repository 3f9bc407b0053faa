#pragma once

#include "lab/loops/loop_fault.h"
#include "lab/loops/loop_program.h"

#include <cstdint>

// Before anything is run: walks the loops as the trace will, counting the accesses and checking every bound,
// step and index on the way, so that the trace itself never meets a fault. A loop of accesses whose indices
// run straight along its variable is checked at its first and last turn alone, which covers every turn
// between; the other loops turn. More than maxAccesses accesses, or more than maxAccesses turns of loops that
// hold loops, is a fault. On success sets program.accesses and program.checked.
LoopFault checkLoopProgram(LoopProgram& program, std::uint64_t maxAccesses = maxLoopTraceAccesses);
