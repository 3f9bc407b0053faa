#pragma once

#include "lab/first_level_notes.h"
#include "lab/lab_run.h"
#include "lab/trace_access.h"

#include <cstddef>

// A run fed chunk by chunk, for the trace readers' sinks: read ahead, each chunk is prepared (its L1 notes
// worked out) on the reading thread; a chunk nobody has prepared is run plainly. Two chunks' notes, taking
// turns, as the reading ahead hands them on.
class LabRunFeed {
  public:
    explicit LabRunFeed(LabRun& run) : run_(run) {}

    void prepare(const TraceAccess* accesses, std::size_t count) {
        prepareLabChunk(run_, accesses, count, notes_[prepared_++ % 2]);
    }
    void operator()(const TraceAccess* accesses, std::size_t count) {
        if (fed_ == prepared_) {
            feedLabRun(run_, accesses, count);
            return;
        }
        feedLabRun(run_, accesses, count, notes_[fed_++ % 2]);
    }

  private:
    LabRun& run_;
    LabChunkNotes notes_[2];
    std::size_t prepared_ = 0;
    std::size_t fed_ = 0;
};
