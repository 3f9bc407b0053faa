#include "lab/loops/loop_trace.h"

LoopTrace::LoopTrace(const LoopProgram& program) : program_(program) {
    frames_[0].end = static_cast<std::uint32_t>(program.statements.size());
    if (!program.checked) {
        stop(true);
    }
}

void LoopTrace::stop(bool failed) {
    ended_ = true;
    failed_ = failed;
    straightTurns_ = 0;
}

std::size_t LoopTrace::read(TraceAccess* out, std::size_t capacity) {
    std::size_t count = 0;
    while (count < capacity && !ended_) {
        if (straightTurns_ != 0) {
            count += runStraight(out + count, capacity - count);
            continue;
        }
        Frame& frame = frames_[depth_];
        if (frame.cursor == frame.end) {
            if (depth_ == 0) {
                stop(false);
            } else if (++frame.trip < frame.range.trips) {
                variables_[depth_ - 1] = valueAtTrip(frame.range, frame.trip);
                frame.cursor = frame.loop + 1;
            } else {
                --depth_;
            }
            continue;
        }
        const std::uint32_t index = frame.cursor;
        const LoopStatement& statement = program_.statements[index];
        if (statement.kind == StatementKind::Loop) {
            frame.cursor = statement.end;
            if (!enter(index)) {
                stop(true);
            }
            continue;
        }
        const ElementOutcome element = elementAddress(program_, statement, variables_);
        if (element.fault != LoopFaultKind::None) {
            stop(true);
            break;
        }
        out[count++] = traceAccess(program_, statement, element.address);
        ++frame.cursor;
    }
    return count;
}

bool LoopTrace::enter(std::uint32_t index) {
    const LoopStatement& loop = program_.statements[index];
    const LoopRange range = loopRange(program_, loop, variables_);
    if (range.fault != LoopFaultKind::None || depth_ != loop.depth) {
        return false;
    }
    if (range.trips == 0) {
        return true;
    }
    variables_[loop.depth] = range.first;
    if (loop.straight) {
        return startStraight(index, range);
    }
    frames_[++depth_] = {index, index + 1, loop.end, range, 0};
    return true;
}

// The body's accesses at the first turn, and what the second turn adds to each.
bool LoopTrace::startStraight(std::uint32_t index, const LoopRange& range) {
    const LoopStatement& loop = program_.statements[index];
    const std::size_t body = loop.end - index - 1;
    straight_.resize(body);
    strides_.assign(body, 0);
    for (int turn = 0; turn < (range.trips > 1 ? 2 : 1); ++turn) {
        variables_[loop.depth] = valueAtTrip(range, static_cast<std::uint64_t>(turn));
        for (std::size_t a = 0; a < body; ++a) {
            const LoopStatement& access = program_.statements[index + 1 + a];
            const ElementOutcome element = elementAddress(program_, access, variables_);
            if (element.fault != LoopFaultKind::None) {
                return false;
            }
            if (turn == 0) {
                straight_[a] = traceAccess(program_, access, element.address);
            } else {
                strides_[a] = element.address - straight_[a].address;
            }
        }
    }
    straightAt_ = 0;
    straightTurns_ = range.trips;
    return true;
}

namespace {

// Each field stored alone: a copy of the whole record goes through overlapping moves that stall.
void put(TraceAccess& out, std::uint64_t address, const TraceAccess& like) {
    out.address = address;
    out.size = like.size;
    out.op = like.op;
}

} // namespace

std::size_t LoopTrace::runStraight(TraceAccess* out, std::size_t capacity) {
    const std::size_t body = straight_.size();
    if (body == 1) {
        const std::size_t count =
            straightTurns_ < capacity ? static_cast<std::size_t>(straightTurns_) : capacity;
        const TraceAccess like = straight_[0];
        const std::uint64_t stride = strides_[0];
        std::uint64_t address = like.address;
        for (std::size_t i = 0; i < count; ++i) {
            put(out[i], address, like);
            address += stride;
        }
        straight_[0].address = address;
        straightTurns_ -= count;
        return count;
    }
    std::size_t count = 0;
    std::size_t at = straightAt_;
    std::uint64_t turns = straightTurns_;
    while (count < capacity) {
        TraceAccess& next = straight_[at];
        put(out[count++], next.address, next);
        next.address += strides_[at];
        if (++at == body) {
            at = 0;
            if (--turns == 0) {
                break;
            }
        }
    }
    straightAt_ = at;
    straightTurns_ = turns;
    return count;
}
