#pragma once

#include "lab/trace_access.h"

#include <cstdint>
#include <string>
#include <vector>

// A loop description as the parser leaves it: the arrays laid out in memory, the expressions of the bounds
// and the indices, and the statements in program order. Constants are folded away; an expression reads only
// the loop variables, each by the depth of its loop (0 for the outermost), so at most maxLoopDepth of them.

inline constexpr int maxLoopDepth = 8;
inline constexpr int maxArrayDimensions = 3;

enum class ExprOp : std::uint8_t {
    Constant,
    Variable,
    Add,
    Subtract,
    Multiply,
    Divide,
    Remainder,
    Negate,
    Min,
    Max
};

using VariableMask = std::uint8_t; // bit d: the loop variable of depth d
static_assert(sizeof(VariableMask) * 8 == maxLoopDepth);

struct ExprNode {
    ExprOp op = ExprOp::Constant;
    std::uint32_t left = 0; // child nodes, for the operators
    std::uint32_t right = 0;
    std::int64_t value = 0;   // a Constant's value, a Variable's depth
    std::uint32_t column = 0; // where a fault of this node points: its operator or its first character
    VariableMask uses = 0;    // the loop variables the node reads
    // Bit d: the node is affine in variable d (+, -, and * by a factor that does not read d), so over a range
    // of d its value, and the value of each node below it, runs straight from its first to its last value.
    VariableMask affine = 0xFF;
};

struct LoopArray {
    std::string name;
    std::uint32_t elementBytes = 4;
    int dimensions = 1;
    std::uint64_t extent[maxArrayDimensions] = {1, 1, 1};
    bool columnMajor = false;
    std::uint64_t base = 0;  // address of the first element
    std::uint64_t bytes = 0; // below 2^63, and base + bytes - 1 fits in 64 bits
};

enum class StatementKind : std::uint8_t { Loop, Access };

struct LoopStatement {
    StatementKind kind = StatementKind::Access;
    std::uint32_t line = 0;
    std::uint32_t column = 0;
    // A loop: for variable in first..limit step step, its body the statements after it up to end.
    std::string variable;
    int depth = 0;
    std::uint32_t first = 0; // expression roots
    std::uint32_t limit = 0;
    std::uint32_t step = 0;
    std::uint32_t end = 0; // the index past the loop's last statement
    bool leaf = false;     // its body holds accesses only
    bool straight = false; // a leaf whose every index is affine in its variable
    // An access: op array[index]...
    AccessOp op = AccessOp::Read;
    std::uint32_t array = 0;
    std::uint32_t index[maxArrayDimensions] = {};
    std::uint32_t indexColumn[maxArrayDimensions] = {};
};

struct LoopProgram {
    std::vector<LoopArray> arrays;
    std::vector<ExprNode> nodes;
    std::vector<LoopStatement> statements;
    std::uint64_t accesses = 0; // set by checkLoopProgram
    bool checked = false;
};
