#include "lab/example_traces.h"

std::vector<TraceAccess> exampleTrace(ExampleTrace example) {
    std::vector<TraceAccess> accesses;
    accesses.reserve(std::size_t{exampleArraySide} * exampleArraySide);
    for (std::uint64_t outer = 0; outer < exampleArraySide; ++outer) {
        for (std::uint64_t inner = 0; inner < exampleArraySide; ++inner) {
            const std::uint64_t row = example == ExampleTrace::Rows ? outer : inner;
            const std::uint64_t column = example == ExampleTrace::Rows ? inner : outer;
            accesses.push_back({(row * exampleArraySide + column) * exampleElementBytes, exampleElementBytes,
                                AccessOp::Read});
        }
    }
    return accesses;
}

std::optional<ExampleTrace> exampleTraceNamed(std::string_view name) {
    if (name == "rows") {
        return ExampleTrace::Rows;
    }
    if (name == "columns") {
        return ExampleTrace::Columns;
    }
    return std::nullopt;
}
