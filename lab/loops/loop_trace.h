#pragma once

#include "lab/loops/loop_program.h"
#include "lab/loops/loop_walk.h"
#include "lab/trace_access.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The trace of a checked loop description, generated as it is read, a chunk at a time: what it holds is the
// loops' place, never the trace. A loop of accesses whose indices run straight along its variable adds each
// access's stride to its address at every turn instead of computing it again.
class LoopTrace {
  public:
    explicit LoopTrace(
        const LoopProgram& program); // program has passed checkLoopProgram and outlives the trace

    // Up to capacity next accesses into out; 0 at the end.
    std::size_t read(TraceAccess* out, std::size_t capacity);

    // The program had not been checked, or met a fault the check would have found: the trace ended there.
    bool failed() const { return failed_; }

  private:
    struct Frame {
        std::uint32_t loop = 0;   // its statement
        std::uint32_t cursor = 0; // the next statement of its body
        std::uint32_t end = 0;
        LoopRange range;
        std::uint64_t trip = 0;
    };

    bool enter(std::uint32_t index);
    bool startStraight(std::uint32_t index, const LoopRange& range);
    std::size_t runStraight(TraceAccess* out, std::size_t capacity);
    void stop(bool failed);

    const LoopProgram& program_;
    std::int64_t variables_[maxLoopDepth] = {};
    Frame
        frames_[maxLoopDepth + 1]; // frames_[0] is the program's top level, frames_[d + 1] a loop of depth d
    int depth_ = 0;
    std::vector<TraceAccess> straight_;  // the next access of each statement of a straight loop's body
    std::vector<std::uint64_t> strides_; // added to its address at each turn (modulo 2^64)
    std::size_t straightAt_ = 0;
    std::uint64_t straightTurns_ = 0; // left, the current one included
    bool ended_ = false;
    bool failed_ = false;
};
