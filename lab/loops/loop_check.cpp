#include "lab/loops/loop_check.h"

#include "lab/loops/loop_walk.h"

#include <string>

namespace {

class Checker {
  public:
    Checker(const LoopProgram& program, std::uint64_t maxAccesses) : program_(program), max_(maxAccesses) {}

    bool block(std::uint32_t begin, std::uint32_t end, int depth, bool counted);

    LoopFault fault;
    std::uint64_t accesses = 0;

  private:
    bool access(const LoopStatement& statement, int depth, bool counted);
    bool loop(std::uint32_t index, bool counted);
    bool turn(std::uint32_t index, const LoopRange& range, bool endsOnly, bool counted);
    bool add(std::uint64_t& total, std::uint64_t count, std::uint64_t times);
    bool fail(LoopFaultKind kind, const LoopStatement& statement, std::uint32_t node, int depth);

    const LoopProgram& program_;
    std::uint64_t max_;
    std::uint64_t turns_ = 0;
    std::int64_t variables_[maxLoopDepth] = {};
    const LoopStatement* around_[maxLoopDepth] = {}; // the loop of each depth being walked
};

bool Checker::block(std::uint32_t begin, std::uint32_t end, int depth, bool counted) {
    for (std::uint32_t s = begin; s < end; ++s) {
        const LoopStatement& statement = program_.statements[s];
        if (statement.kind == StatementKind::Access) {
            if (!access(statement, depth, counted)) {
                return false;
            }
            continue;
        }
        if (!loop(s, counted)) {
            return false;
        }
        s = statement.end - 1;
    }
    return true;
}

bool Checker::access(const LoopStatement& statement, int depth, bool counted) {
    if (!counted && !add(accesses, 1, 1)) {
        return fail(LoopFaultKind::TraceTooLong, statement, 0, depth);
    }
    const ElementOutcome element = elementAddress(program_, statement, variables_);
    if (element.fault == LoopFaultKind::None) {
        return true;
    }
    fail(element.fault, statement, element.node, depth);
    if (element.fault == LoopFaultKind::IndexOutside) {
        const LoopArray& array = program_.arrays[statement.array];
        fault.column = statement.indexColumn[element.index];
        fault.text = array.name;
        fault.count = element.index + 1;
        fault.value = element.value;
        fault.limit = static_cast<std::int64_t>(array.extent[element.index]);
    }
    return false;
}

bool Checker::loop(std::uint32_t index, bool counted) {
    const LoopStatement& loop = program_.statements[index];
    const int depth = loop.depth;
    const LoopRange range = loopRange(program_, loop, variables_);
    if (range.fault != LoopFaultKind::None) {
        return fail(range.fault, loop, range.node, depth);
    }
    const VariableMask uses = static_cast<VariableMask>(
        program_.nodes[loop.first].uses | program_.nodes[loop.limit].uses | program_.nodes[loop.step].uses);
    if (range.trips == 0 && uses == 0) {
        fail(LoopFaultKind::EmptyRange, loop, loop.first, depth);
        fault.value = range.first;
        fault.limit = range.limit;
        fault.count = range.step;
        return false;
    }
    around_[depth] = &loop;
    if (loop.leaf) {
        if (!counted && !add(accesses, loop.end - index - 1, range.trips)) {
            return fail(LoopFaultKind::TraceTooLong, loop, 0, depth);
        }
    } else if (!add(turns_, 1, range.trips)) {
        return fail(LoopFaultKind::TooManyTurns, loop, 0, depth);
    }
    // A straight loop that fails at an end turns again from the start, to name the first turn at fault.
    return (loop.straight && range.trips > 2 && turn(index, range, true, counted)) ||
           turn(index, range, false, counted);
}

bool Checker::turn(std::uint32_t index, const LoopRange& range, bool endsOnly, bool counted) {
    const LoopStatement& loop = program_.statements[index];
    for (std::uint64_t trip = 0; trip < range.trips;
         trip = endsOnly && trip == 0 ? range.trips - 1 : trip + 1) {
        variables_[loop.depth] = valueAtTrip(range, trip);
        if (!block(index + 1, loop.end, loop.depth + 1, counted || loop.leaf)) {
            return false;
        }
    }
    return true;
}

// total += count x times, within max_.
bool Checker::add(std::uint64_t& total, std::uint64_t count, std::uint64_t times) {
    std::uint64_t product = 0;
    return !__builtin_mul_overflow(count, times, &product) &&
           !__builtin_add_overflow(total, product, &total) && total <= max_;
}

// The fault at the node's column, with the variables around it; a cap's at the statement, without them.
bool Checker::fail(LoopFaultKind kind, const LoopStatement& statement, std::uint32_t node, int depth) {
    fault = {};
    fault.kind = kind;
    fault.line = statement.line;
    const bool capped = kind == LoopFaultKind::TraceTooLong || kind == LoopFaultKind::TooManyTurns;
    fault.column = capped ? statement.column : program_.nodes[node].column;
    fault.limit = capped ? static_cast<std::int64_t>(max_) : 0;
    for (int d = 0; d < (capped ? 0 : depth); ++d) {
        fault.variables += d == 0 ? "" : ", ";
        fault.variables += around_[d]->variable;
        fault.variables += " = ";
        fault.variables += std::to_string(variables_[d]);
    }
    return false;
}

} // namespace

LoopFault checkLoopProgram(LoopProgram& program, std::uint64_t maxAccesses) {
    Checker checker(program, maxAccesses);
    const bool ok = checker.block(0, static_cast<std::uint32_t>(program.statements.size()), 0, false);
    program.accesses = ok ? checker.accesses : 0;
    program.checked = ok;
    return ok ? LoopFault{} : checker.fault;
}
