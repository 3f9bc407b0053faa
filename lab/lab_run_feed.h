#pragma once

#include "lab/first_level_notes.h"
#include "lab/lab_run.h"
#include "lab/trace_access.h"

#include <atomic>
#include <cstddef>

// A run fed chunk by chunk, for the trace readers' sinks: read ahead, each chunk is prepared (its L1 notes
// worked out) on the reading thread; a chunk nobody has prepared is run plainly. Two chunks' notes, taking
// turns, as the reading ahead hands them on. The count of chunks prepared is read on the model's thread while
// the reading thread prepares the next chunk, so it is atomic; the notes themselves are handed over with the
// chunk.
class LabRunFeed {
  public:
    explicit LabRunFeed(LabRun& run) : run_(run) {}

    void prepare(const TraceAccess* accesses, std::size_t count) {
        const std::size_t chunk = prepared_.load(std::memory_order_relaxed);
        prepareLabChunk(run_, accesses, count, notes_[chunk % 2]);
        prepared_.store(chunk + 1, std::memory_order_relaxed);
    }
    void operator()(const TraceAccess* accesses, std::size_t count) {
        if (fed_ == prepared_.load(std::memory_order_relaxed)) {
            feedLabRun(run_, accesses, count);
            return;
        }
        feedLabRun(run_, accesses, count, notes_[fed_++ % 2]);
    }

  private:
    LabRun& run_;
    LabChunkNotes notes_[2];
    std::atomic<std::size_t> prepared_{0};
    std::size_t fed_ = 0;
};
