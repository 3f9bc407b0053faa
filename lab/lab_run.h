#pragma once

#include "lab/hierarchy_config.h"
#include "lab/trace_access.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// The laboratory's model: a hierarchy built from a valid configuration, fed a trace in chunks, summarised at
// the end. Every policy streams except opt, which keeps the accesses it is fed and runs them at finishLabRun.

enum class LabMissKind : std::uint8_t { None, Compulsory, Capacity, Conflict };

// One request at one level, for a student following every request through every level. Requests come in the
// order they happen: a request at L1, then what it sends below, depth first.
struct LabStep {
    std::uint64_t step = 0;        // 1-based index of the trace access that caused it
    int level = 0;                 // 0 for L1
    bool write = false;            // the request's operation: R or W
    std::uint64_t lineAddress = 0; // first byte of the line requested
    std::uint64_t set = 0;
    std::uint64_t tag = 0;
    bool hit = false;
    LabMissKind kind = LabMissKind::None;
    bool evicted = false;
    std::uint64_t victimAddress = 0; // first byte of the evicted line, when evicted
    bool victimDirty = false;        // the victim was written back below
};

// Receives every step when the run is asked for them; context is the caller's.
struct LabStepSink {
    void* context = nullptr;
    void (*take)(void* context, const LabStep& step) = nullptr;
};

struct LevelSummary {
    std::uint64_t accesses = 0; // every request the level received, write-backs from above included
    std::uint64_t reads = 0;
    std::uint64_t writes = 0;
    std::uint64_t hits = 0;
    std::uint64_t misses = 0;
    std::uint64_t compulsory = 0;
    std::uint64_t capacity = 0;
    std::uint64_t conflict = 0;
    std::uint64_t writebacks = 0; // dirty victims sent below
    std::uint64_t bytesIn = 0;    // read from the level below
    std::uint64_t bytesOut = 0;   // written to the level below
    std::uint64_t dirtyAtEnd = 0;
    std::uint64_t demandRequests = 0; // fetches and accesses from above: the local miss rate's denominator
    std::uint64_t demandMisses = 0;
};

struct MemorySummary {
    std::uint64_t accesses = 0;
    std::uint64_t reads = 0;
    std::uint64_t writes = 0;
    std::uint64_t bytesRead = 0;    // read from memory
    std::uint64_t bytesWritten = 0; // written to memory
};

struct LabSummary {
    std::vector<LevelSummary> levels;
    MemorySummary memory;
    std::uint64_t traceAccesses = 0;
    double amat = 0; // cycles: h1 + m1 x (h2 + m2 x (... + memory)), local demand miss rates
    // Under opt: the trace (or a level's stream of requests) held more than the model keeps in memory, so
    // nothing was run and every other field is empty.
    bool tooLongForOpt = false;
};

struct LabRunState; // the levels' lines and bookkeeping
struct LabRun {
    std::unique_ptr<LabRunState> state;
    LabRun();
    LabRun(LabRun&&) noexcept;
    LabRun& operator=(LabRun&&) noexcept;
    ~LabRun();
};

// config must have passed checkHierarchy. sink.take may be null: no steps.
LabRun startLabRun(const HierarchyConfig& config, LabStepSink sink = {});
void feedLabRun(LabRun& run, const TraceAccess* accesses, std::size_t count);
LabSummary finishLabRun(LabRun& run);

// The classic curve: L1 alone under LRU with base's line and write rules, every capacity from 1 KB to 4 MB
// (powers of two) with 1, 2, 4, 8, 16 ways and fully associative, a combination whose ways do not fit left
// out; one pass over the trace for all of them.
struct SweepRow {
    std::uint64_t capacity = 0;
    std::uint64_t ways = 0; // 0 when fully associative
    std::uint64_t accesses = 0;
    std::uint64_t misses = 0;
    std::uint64_t compulsory = 0;
    std::uint64_t capacityMisses = 0;
    std::uint64_t conflict = 0;
};

struct LabSweepState;
struct LabSweep {
    std::unique_ptr<LabSweepState> state;
    LabSweep();
    LabSweep(LabSweep&&) noexcept;
    LabSweep& operator=(LabSweep&&) noexcept;
    ~LabSweep();
};

LabSweep startLabSweep(const LevelConfig& base);
void feedLabSweep(LabSweep& sweep, const TraceAccess* accesses, std::size_t count);
std::vector<SweepRow> finishLabSweep(LabSweep& sweep);
