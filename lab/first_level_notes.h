#pragma once

#include "lab/hierarchy_config.h"
#include "lab/lru_shadow.h"
#include "lab/seen_lines.h"
#include "lab/trace_access.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// What L1's fully associative shadow and the lines L1 has seen say of each of its requests: one byte per
// request, in the order L1 receives them. L1's requests are the trace's own line requests, whatever any level
// does with them, so these can be worked out from the trace alone, a chunk ahead of the model and on another
// thread. Every request is noted, repeats of the line just used too: such a line is the shadow's newest, and
// a request of it changes nothing there.
struct LabChunkNotes {
    static constexpr std::uint8_t shadowHit = 1;
    static constexpr std::uint8_t firstRequest = 2;
    std::vector<std::uint8_t> requests;
};

class FirstLevelNotes {
  public:
    explicit FirstLevelNotes(const LevelConfig& level);

    // The notes of the next chunk: chunks are noted in the order the model is fed them.
    void note(const TraceAccess* accesses, std::size_t count, LabChunkNotes& notes);
    // The note of L1's next request, for a chunk run without notes worked out ahead.
    std::uint8_t noteOf(std::uint64_t line, bool write);

  private:

    LruShadow shadow_;
    SeenLines seen_;
    unsigned lineShift_ = 0;
    std::uint64_t lineBytes_ = 1;
    bool allocate_ = true;
    std::uint64_t lastLine_ = 0;
    bool lastHeld_ = false; // the shadow holds lastLine_ as its newest line
};
