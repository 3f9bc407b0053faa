#include "lab/loops/loop_expression.h"

#include <limits>

namespace {

constexpr std::int64_t lowest = std::numeric_limits<std::int64_t>::min();

} // namespace

LoopFaultKind applyOperator(ExprOp op, std::int64_t a, std::int64_t b, std::int64_t& result) {
    bool overflow = false;
    switch (op) {
    case ExprOp::Add:
        overflow = __builtin_add_overflow(a, b, &result);
        break;
    case ExprOp::Subtract:
        overflow = __builtin_sub_overflow(a, b, &result);
        break;
    case ExprOp::Multiply:
        overflow = __builtin_mul_overflow(a, b, &result);
        break;
    case ExprOp::Divide:
    case ExprOp::Remainder:
        if (b == 0) {
            return LoopFaultKind::DivisionByZero;
        }
        overflow = a == lowest && b == -1;
        result = overflow ? 0 : op == ExprOp::Divide ? a / b : a % b;
        break;
    case ExprOp::Negate:
        overflow = a == lowest;
        result = overflow ? 0 : -a;
        break;
    case ExprOp::Min:
        result = a < b ? a : b;
        break;
    case ExprOp::Max:
        result = a < b ? b : a;
        break;
    case ExprOp::Constant:
    case ExprOp::Variable:
        result = a;
        break;
    }
    return overflow ? LoopFaultKind::Overflow : LoopFaultKind::None;
}

ExprOutcome evaluateExpression(const LoopProgram& program, std::uint32_t root,
                               const std::int64_t* variables) {
    const ExprNode& node = program.nodes[root];
    if (node.op == ExprOp::Constant) {
        return {LoopFaultKind::None, node.value, root};
    }
    if (node.op == ExprOp::Variable) {
        return {LoopFaultKind::None, variables[node.value], root};
    }
    const ExprOutcome left = evaluateExpression(program, node.left, variables);
    if (left.fault != LoopFaultKind::None) {
        return left;
    }
    ExprOutcome right{};
    if (node.op != ExprOp::Negate) {
        right = evaluateExpression(program, node.right, variables);
        if (right.fault != LoopFaultKind::None) {
            return right;
        }
    }
    ExprOutcome outcome{LoopFaultKind::None, 0, root};
    outcome.fault = applyOperator(node.op, left.value, right.value, outcome.value);
    return outcome;
}
