#include "lab/loops/loop_walk.h"

#include "lab/loops/loop_expression.h"

LoopRange loopRange(const LoopProgram& program, const LoopStatement& loop, const std::int64_t* variables) {
    LoopRange range;
    const std::uint32_t roots[] = {loop.first, loop.limit, loop.step};
    std::int64_t* values[] = {&range.first, &range.limit, &range.step};
    for (int i = 0; i < 3; ++i) {
        const ExprOutcome outcome = evaluateExpression(program, roots[i], variables);
        if (outcome.fault != LoopFaultKind::None) {
            range.fault = outcome.fault;
            range.node = outcome.node;
            return range;
        }
        *values[i] = outcome.value;
    }
    const auto first = static_cast<std::uint64_t>(range.first);
    const auto limit = static_cast<std::uint64_t>(range.limit);
    const auto step = static_cast<std::uint64_t>(range.step);
    if (range.step == 0) {
        range.fault = LoopFaultKind::StepZero;
        range.node = loop.step;
    } else if (range.step > 0 && range.limit > range.first) {
        range.trips = (limit - first - 1) / step + 1;
    } else if (range.step < 0 && range.first > range.limit) {
        range.trips = (first - limit - 1) / (0 - step) + 1;
    }
    return range;
}

ElementOutcome elementAddress(const LoopProgram& program, const LoopStatement& access,
                              const std::int64_t* variables) {
    const LoopArray& array = program.arrays[access.array];
    std::uint64_t indices[maxArrayDimensions] = {};
    for (int d = 0; d < array.dimensions; ++d) {
        const ExprOutcome outcome = evaluateExpression(program, access.index[d], variables);
        if (outcome.fault != LoopFaultKind::None) {
            return {outcome.fault, 0, d, 0, outcome.node};
        }
        if (outcome.value < 0 || static_cast<std::uint64_t>(outcome.value) >= array.extent[d]) {
            return {LoopFaultKind::IndexOutside, 0, d, outcome.value, access.index[d]};
        }
        indices[d] = static_cast<std::uint64_t>(outcome.value);
    }
    // Row-major: the last index runs fastest; column-major: the first. The element count is below 2^63.
    std::uint64_t element = 0;
    for (int i = 0; i < array.dimensions; ++i) {
        const int d = array.columnMajor ? array.dimensions - 1 - i : i;
        element = element * array.extent[d] + indices[d];
    }
    return {LoopFaultKind::None, array.base + element * array.elementBytes, 0, 0, 0};
}
