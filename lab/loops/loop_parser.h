#pragma once

#include "lab/loops/loop_fault.h"
#include "lab/loops/loop_program.h"

#include <cstdint>
#include <span>
#include <string_view>

// Reads a loop description:
//
//     let N = 256
//     array A int[N][N] at 0x10000
//     array B int[N][N] after A align 64
//     for i in 0..N
//       for j in 0..N
//         read A[i][j]
//         write B[j][i]
//
// One statement a line; a loop's body is the lines below it indented deeper, all by the same blanks. The
// declarations (array, let) stand outside the loops. Nothing of the text is kept: names and positions are
// copied into the program.

struct LoopConstant {
    std::string_view name;
    std::int64_t value = 0;
};

struct ParsedLoops {
    LoopProgram program;
    LoopFault fault; // kind None when the program was read whole
};

// constants are named values the description may use as if it had let them first (a template's parameters).
ParsedLoops parseLoopProgram(std::string_view text, std::span<const LoopConstant> constants = {});
