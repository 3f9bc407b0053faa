#pragma once

#include "lab/loops/loop_fault.h"
#include "lab/loops/loop_program.h"

#include <cstdint>

// Integer arithmetic of the descriptions, as C computes it on 64-bit integers (division and remainder
// truncate towards zero), except that an overflow or a division by zero is a fault instead of a result.

// a op b into result, or the fault (Overflow, DivisionByZero); Negate and the leaves ignore b.
LoopFaultKind applyOperator(ExprOp op, std::int64_t a, std::int64_t b, std::int64_t& result);

struct ExprOutcome {
    LoopFaultKind fault = LoopFaultKind::None;
    std::int64_t value = 0;
    std::uint32_t node = 0; // the node at fault
};

// The value of the expression at root, the loop variables' values in variables (by depth).
ExprOutcome evaluateExpression(const LoopProgram& program, std::uint32_t root, const std::int64_t* variables);
