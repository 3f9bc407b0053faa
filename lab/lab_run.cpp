#include "lab/lab_run.h"

#include "lab/cache_level.h"
#include "lab/future_uses.h"
#include "lab/kept_trace.h"
#include "lab/line_requests.h"
#include "lab/lru_shadow.h"
#include "lab/seen_lines.h"

#include <cstddef>
#include <utility>

namespace {

// A level as the run drives it: its lines, its fully associative shadow, the lines it has seen, its counts.
struct LevelRun {
    LevelRun(const LevelConfig& config, std::uint64_t seed)
        : cache(config, seed), shadow(static_cast<std::uint32_t>(levelLines(config))) {}
    CacheLevel cache;
    LruShadow shadow;
    SeenLines seen;
    LevelSummary summary;
    std::size_t cursor = 0; // opt: the index of the level's next request
    std::uint64_t lastLine = 0;
    bool lastLineHeld = false; // by the level and by its shadow, after the level's last request
};

// Most requests one level's stream may hold while opt reads the trace ahead.
constexpr std::size_t maxRecordedRequests = KeptTrace::capacity * 2;

} // namespace

struct LabRunState {
    HierarchyConfig config;
    LabStepSink sink;
    std::vector<LevelRun> levels;
    MemorySummary memory;
    std::uint64_t step = 0; // the trace access being run, 1-based
    bool keeps = false;     // some level is under opt: the trace is kept and run at the end
    KeptTrace kept;
    std::vector<std::vector<std::uint32_t>> futures; // opt: each level's next requests
    int recordedLevel = -1; // while opt reads ahead: the level whose requests are recorded, not run
    std::vector<std::uint64_t> recorded;
    bool tooLong = false;
};

namespace {

void buildLevels(LabRunState& run) {
    run.levels.clear();
    run.levels.reserve(run.config.levels.size());
    for (const LevelConfig& level : run.config.levels) {
        run.levels.emplace_back(level, run.config.seed);
    }
    run.memory = {};
    run.step = 0;
}

void requestAny(LabRunState& run, std::size_t index, std::uint64_t address, std::uint64_t bytes, bool write,
                bool demand);

// What a level sends below: to the next level, or to memory after the last.
void sendBelow(LabRunState& run, std::size_t below, std::uint64_t address, std::uint64_t bytes, bool write,
               bool demand) {
    if (below < run.levels.size()) {
        requestAny(run, below, address, bytes, write, demand);
        return;
    }
    MemorySummary& memory = run.memory;
    ++memory.accesses;
    ++(write ? memory.writes : memory.reads);
    (write ? memory.bytesWritten : memory.bytesRead) += bytes;
}

std::uint32_t nextFutureOf(LabRunState& run, std::size_t index) {
    const std::vector<std::uint32_t>& future = run.futures[index];
    const std::size_t position = run.levels[index].cursor++;
    return position < future.size() ? future[position] : neverAgain;
}

// A line the shadow holds was asked for before; only a shadow's miss may be the line's first request.
LabMissKind kindOf(bool shadowHit, bool first) {
    return first ? LabMissKind::Compulsory : shadowHit ? LabMissKind::Conflict : LabMissKind::Capacity;
}

// Inline, with the hit on a branch of its own: most requests hit, and a hit counts only three things.
inline void count(LevelSummary& summary, bool write, bool demand, bool hit, LabMissKind kind) {
    ++summary.accesses;
    ++(write ? summary.writes : summary.reads);
    summary.demandRequests += demand ? 1 : 0;
    if (hit) {
        ++summary.hits;
        return;
    }
    ++summary.misses;
    summary.demandMisses += demand ? 1 : 0;
    ++(kind == LabMissKind::Compulsory ? summary.compulsory
       : kind == LabMissKind::Capacity ? summary.capacity
                                       : summary.conflict);
}

// A request of the line the level's last request left in it and in its shadow: a hit in both.
void countRepeat(LevelSummary& summary, bool write, bool demand) {
    ++summary.accesses;
    ++(write ? summary.writes : summary.reads);
    ++summary.hits;
    summary.demandRequests += demand ? 1 : 0;
}

void emitStep(const LabRunState& run, std::size_t index, std::uint64_t line, bool write, const LevelAccess& access,
              LabMissKind kind) {
    const CacheLevel& cache = run.levels[index].cache;
    LabStep step;
    step.step = run.step;
    step.level = static_cast<int>(index);
    step.write = write;
    step.lineAddress = line << cache.lineShift();
    step.set = cache.setOf(line);
    step.tag = cache.tagOf(line);
    step.hit = access.hit;
    step.kind = kind;
    step.evicted = access.evicted;
    step.victimAddress = access.evicted ? access.victimLine << cache.lineShift() : 0;
    step.victimDirty = access.evicted && access.victimDirty;
    run.sink.take(run.sink.context, step);
}

// One request at a level under its policy P, then what it sends below, in order: the fetch of its missing
// line, the written bytes (write-through, or a write miss that allocates nothing), the victim's write-back.
// A request of the line the level's last request left in it, counted without a search where the policy lets
// it (no steps asked for, no stream being recorded): most requests of a walk through memory. Kept small, so
// that it compiles into the loop over the trace and only the other requests pay for a call.
template <LabPolicy P>
inline bool repeatLastLine(LabRunState& run, std::size_t index, std::uint64_t address, bool write, bool demand) {
    if constexpr (!CacheLevel::repeatsFreely(P)) {
        return false;
    } else {
        LevelRun& level = run.levels[index];
        CacheLevel& cache = level.cache;
        if (cache.lineOf(address) != level.lastLine || !level.lastLineHeld || run.sink.take != nullptr ||
            static_cast<int>(index) == run.recordedLevel || (write && !cache.writesBack())) {
            return false;
        }
        cache.repeatLastLine(write);
        countRepeat(level.summary, write, demand);
        return true;
    }
}

template <LabPolicy P>
void requestAfresh(LabRunState& run, std::size_t index, std::uint64_t address, std::uint64_t bytes, bool write,
                   bool demand);

template <LabPolicy P>
void request(LabRunState& run, std::size_t index, std::uint64_t address, std::uint64_t bytes, bool write,
             bool demand) {
    if (!repeatLastLine<P>(run, index, address, write, demand)) {
        requestAfresh<P>(run, index, address, bytes, write, demand);
    }
}

template <LabPolicy P>
void requestAfresh(LabRunState& run, std::size_t index, std::uint64_t address, std::uint64_t bytes, bool write,
                   bool demand) {
    if (static_cast<int>(index) == run.recordedLevel) {
        run.tooLong = run.tooLong || run.recorded.size() >= maxRecordedRequests;
        if (!run.tooLong) {
            run.recorded.push_back(run.levels[index].cache.lineOf(address));
        }
        return;
    }
    LevelRun& level = run.levels[index];
    CacheLevel& cache = level.cache;
    const std::uint64_t line = cache.lineOf(address);
    const bool allocates = !write || cache.config().allocate;
    const bool shadowHit = level.shadow.request(line, allocates);
    const bool first = !shadowHit && level.seen.firstRequest(line);
    const std::uint32_t next = P == LabPolicy::Opt ? nextFutureOf(run, index) : neverAgain;
    const LevelAccess access = cache.access<P>(line, write, next);
    const LabMissKind kind = access.hit ? LabMissKind::None : kindOf(shadowHit, first);
    count(level.summary, write, demand, access.hit, kind);
    level.lastLine = line;
    level.lastLineHeld = (access.hit || access.filled) && (shadowHit || allocates);
    if (run.sink.take != nullptr) {
        emitStep(run, index, line, write, access, kind);
    }
    const std::uint64_t lineBytes = cache.config().line;
    if (access.filled) {
        level.summary.bytesIn += lineBytes;
        sendBelow(run, index + 1, line << cache.lineShift(), lineBytes, false, true);
    }
    if (write && (cache.config().write == WriteRule::Through || (!access.hit && !access.filled))) {
        run.levels[index].summary.bytesOut += bytes;
        sendBelow(run, index + 1, address, bytes, true, true);
    }
    if (access.evicted && access.victimDirty) {
        LevelSummary& summary = run.levels[index].summary;
        ++summary.writebacks;
        summary.bytesOut += lineBytes;
        sendBelow(run, index + 1, access.victimLine << cache.lineShift(), lineBytes, true, false);
    }
}

void requestAny(LabRunState& run, std::size_t index, std::uint64_t address, std::uint64_t bytes, bool write,
                bool demand) {
    switch (run.levels[index].cache.config().policy) {
    case LabPolicy::Fifo:
        return request<LabPolicy::Fifo>(run, index, address, bytes, write, demand);
    case LabPolicy::Lru:
        return request<LabPolicy::Lru>(run, index, address, bytes, write, demand);
    case LabPolicy::Random:
        return request<LabPolicy::Random>(run, index, address, bytes, write, demand);
    case LabPolicy::Plru:
        return request<LabPolicy::Plru>(run, index, address, bytes, write, demand);
    case LabPolicy::Lfu:
        return request<LabPolicy::Lfu>(run, index, address, bytes, write, demand);
    case LabPolicy::Opt:
        return request<LabPolicy::Opt>(run, index, address, bytes, write, demand);
    }
}

// The span of bytes a request may touch and still be a repeat of the line L1's last request left in it and in
// its shadow: the line's bytes, or none when that line is not held or repeats may not be counted so.
struct RepeatSpan {
    std::uint64_t start = 0;
    std::uint64_t bytes = 0;
    bool holds(std::uint64_t address, std::uint64_t size) const {
        const std::uint64_t offset = address - start;
        return offset < bytes && offset + size <= bytes;
    }
};

RepeatSpan repeatSpanOf(const LevelRun& first, bool repeatsHere) {
    const std::uint64_t line = first.cache.config().line;
    return {first.lastLine << first.cache.lineShift(), repeatsHere && first.lastLineHeld ? line : 0};
}

// The trace's requests at L1. Repeats of the line just used are counted here, in the loop's own counters and
// against a span kept in registers, and added to L1's summary once per chunk, so that a walk through memory
// costs little more than reading it. Only a request that reaches the level can change the span or stop the
// run (opt's reading ahead, past what it may keep).
template <LabPolicy P> void runAccesses(LabRunState& run, const TraceAccess* accesses, std::size_t count) {
    if (run.tooLong) {
        return; // opt's reading ahead has stopped: the run will sum up nothing
    }
    LevelRun& first = run.levels[0];
    const unsigned lineShift = first.cache.lineShift();
    const std::uint64_t lineBytes = first.cache.config().line;
    const std::uint64_t lineMask = lineBytes - 1;
    const bool repeatsHere = CacheLevel::repeatsFreely(P) && run.sink.take == nullptr && run.recordedLevel != 0;
    const bool writesBack = first.cache.writesBack();
    // The operations a repeat may be: a read, a write under write-back; never a modify, which is two requests.
    const unsigned repeatableOps = 1u << static_cast<unsigned>(AccessOp::Read) |
                                   (writesBack ? 1u << static_cast<unsigned>(AccessOp::Write) : 0u);
    std::uint64_t repeats = 0;
    std::uint64_t repeatedWrites = 0;
    RepeatSpan span = repeatSpanOf(first, repeatsHere);
    bool spanWritten = false; // a repeat wrote the span's line: its dirty bit is set when the loop leaves it
    const std::uint64_t stepBase = run.step;
    std::size_t i = 0;
    for (; i < count; ++i) {
        const TraceAccess& access = accesses[i];
        const auto op = static_cast<unsigned>(access.op);
        if (((repeatableOps >> op) & 1u) != 0 && span.holds(access.address, access.size)) {
            const bool writes = access.op == AccessOp::Write;
            spanWritten = spanWritten || writes;
            ++repeats;
            repeatedWrites += writes ? 1 : 0;
            continue;
        }
        if (spanWritten) {
            first.cache.repeatLastLine(true); // before any request can take the line away
            spanWritten = false;
        }
        run.step = stepBase + i + 1;
        if (access.op != AccessOp::Modify && access.size <= lineBytes - (access.address & lineMask)) {
            // Within one line, and no repeat of the span (tested above): the one request it makes.
            requestAfresh<P>(run, 0, access.address, access.size == 0 ? 1 : access.size,
                             access.op == AccessOp::Write, true);
            span = repeatSpanOf(first, repeatsHere);
        } else {
            forEachLineRequest(access, lineShift, [&](std::uint64_t address, std::uint64_t bytes, bool write) {
                if (span.holds(address, 1) && (!write || writesBack)) {
                    first.cache.repeatLastLine(write);
                    ++repeats;
                    repeatedWrites += write ? 1 : 0;
                    return;
                }
                requestAfresh<P>(run, 0, address, bytes, write, true);
                span = repeatSpanOf(first, repeatsHere);
            });
        }
        if (run.tooLong) {
            ++i;
            break;
        }
    }
    if (spanWritten) {
        first.cache.repeatLastLine(true);
    }
    run.step = stepBase + i;
    LevelSummary& summary = first.summary;
    summary.accesses += repeats;
    summary.reads += repeats - repeatedWrites;
    summary.writes += repeatedWrites;
    summary.hits += repeats;
    summary.demandRequests += repeats;
}

void runAccessesAny(LabRunState& run, const TraceAccess* accesses, std::size_t count) {
    switch (run.levels[0].cache.config().policy) {
    case LabPolicy::Fifo:
        return runAccesses<LabPolicy::Fifo>(run, accesses, count);
    case LabPolicy::Lru:
        return runAccesses<LabPolicy::Lru>(run, accesses, count);
    case LabPolicy::Random:
        return runAccesses<LabPolicy::Random>(run, accesses, count);
    case LabPolicy::Plru:
        return runAccesses<LabPolicy::Plru>(run, accesses, count);
    case LabPolicy::Lfu:
        return runAccesses<LabPolicy::Lfu>(run, accesses, count);
    case LabPolicy::Opt:
        return runAccesses<LabPolicy::Opt>(run, accesses, count);
    }
}

void replayKept(LabRunState& run) {
    buildLevels(run);
    run.kept.replay([&run](const TraceAccess* accesses, std::size_t count) { runAccessesAny(run, accesses, count); });
}

// A level's stream does not depend on its own policy, only on the levels above: so each level under opt, from
// L1 down, has its stream recorded by a run of the levels above it and learns every request's next one.
void readAhead(LabRunState& run) {
    for (std::size_t index = 0; index < run.config.levels.size() && !run.tooLong; ++index) {
        if (run.config.levels[index].policy != LabPolicy::Opt) {
            continue;
        }
        run.recordedLevel = static_cast<int>(index);
        const LabStepSink sink = std::exchange(run.sink, LabStepSink{});
        replayKept(run);
        run.sink = sink;
        run.futures[index] = nextRequestsOf(std::move(run.recorded));
        run.recorded = {};
    }
    run.recordedLevel = -1;
}

double averageAccessTime(const HierarchyConfig& config, const std::vector<LevelSummary>& levels) {
    auto time = static_cast<double>(config.memoryCycles);
    for (std::size_t i = levels.size(); i-- > 0;) {
        const LevelSummary& level = levels[i];
        const double missRate = level.demandRequests == 0 ? 0.0
                                                          : static_cast<double>(level.demandMisses) /
                                                                static_cast<double>(level.demandRequests);
        time = static_cast<double>(config.levels[i].hitCycles) + missRate * time;
    }
    return time;
}

} // namespace

LabRun::LabRun() = default;
LabRun::LabRun(LabRun&&) noexcept = default;
LabRun& LabRun::operator=(LabRun&&) noexcept = default;
LabRun::~LabRun() = default;

LabRun startLabRun(const HierarchyConfig& config, LabStepSink sink) {
    LabRun run;
    run.state = std::make_unique<LabRunState>();
    LabRunState& state = *run.state;
    state.config = config;
    state.sink = sink;
    if (!checkHierarchy(config).empty()) {
        return run; // nothing can be built: the run takes no access and sums up none
    }
    state.futures.resize(config.levels.size());
    for (const LevelConfig& level : config.levels) {
        state.keeps = state.keeps || level.policy == LabPolicy::Opt;
    }
    if (!state.keeps) {
        buildLevels(state);
    }
    return run;
}

void feedLabRun(LabRun& run, const TraceAccess* accesses, std::size_t count) {
    LabRunState& state = *run.state;
    if (state.levels.empty() && !state.keeps) {
        return;
    }
    if (state.keeps) {
        state.tooLong = state.tooLong || !state.kept.append(accesses, count);
        return;
    }
    runAccessesAny(state, accesses, count);
}

LabSummary finishLabRun(LabRun& run) {
    LabRunState& state = *run.state;
    LabSummary summary;
    if (state.keeps && !state.tooLong) {
        readAhead(state);
        if (!state.tooLong) {
            replayKept(state);
        }
    }
    summary.tooLongForOpt = state.tooLong;
    if (state.tooLong) {
        return summary;
    }
    for (const LevelRun& level : state.levels) {
        summary.levels.push_back(level.summary);
        summary.levels.back().dirtyAtEnd = level.cache.dirtyLines();
    }
    summary.memory = state.memory;
    summary.traceAccesses = state.step;
    summary.amat = averageAccessTime(state.config, summary.levels);
    return summary;
}
