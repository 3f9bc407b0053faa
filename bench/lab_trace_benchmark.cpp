// The laboratory on a ten-million-access din file: reading and parsing it alone, the floor of any run over
// it, against the whole run through L1 32 KB / 64 B / 8-way LRU write-back and L2 256 KB / 64 B / 8-way LRU
// write-back, both as accesses per second. The file is written once, beside the benchmark, to
// lab_trace_10m.din (or to LAB_TRACE_FILE), and read from the page cache by every repetition.

#include "lab/lab_run.h"
#include "lab/trace_read_ahead.h"
#include "lab/trace_reader.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr std::uint64_t traceAccesses = 10000000;
constexpr std::size_t feedChunk = std::size_t{1} << 16;

std::uint64_t splitMix64(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// A program's mix: a walk through an 8 MB array, 4 bytes at a time, a third of it written (one miss in 16 at
// L1); reads and writes of locals in an 8 KB stack frame; instruction fetches from a 16 KB loop.
std::string traceLine(std::uint64_t index, std::uint64_t& state) {
    const std::uint64_t draw = splitMix64(state);
    const auto kind = static_cast<unsigned>(draw % 10);
    unsigned label = 0;
    std::uint64_t address = 0;
    if (kind < 6) {
        label = kind < 2 ? 1 : 0;
        address = 0x10000000 + (index * 4) % (std::uint64_t{8} << 20);
    } else if (kind < 9) {
        label = kind == 8 ? 1 : 0;
        address = 0x7fff0000 + ((draw >> 32) % 2048) * 4;
    } else {
        label = 2;
        address = 0x400000 + (index % 4096) * 4;
    }
    char line[40];
    std::snprintf(line, sizeof line, "%u %llx\n", label, static_cast<unsigned long long>(address));
    return line;
}

const std::string& tracePath() {
    static const std::string path = [] {
        const char* given = std::getenv("LAB_TRACE_FILE");
        const std::string name = given != nullptr ? given : "lab_trace_10m.din";
        if (std::FILE* existing = std::fopen(name.c_str(), "rb")) {
            std::fclose(existing);
            return name;
        }
        std::FILE* file = std::fopen(name.c_str(), "wb");
        std::uint64_t state = 1;
        std::string block;
        for (std::uint64_t i = 0; i < traceAccesses && file != nullptr; ++i) {
            block += traceLine(i, state);
            if (block.size() > (1u << 20) || i + 1 == traceAccesses) {
                std::fwrite(block.data(), 1, block.size(), file);
                block.clear();
            }
        }
        if (file != nullptr) {
            std::fclose(file);
        }
        return name;
    }();
    return path;
}

// Reads the whole file through feed(accesses, count), in turn or read ahead on a second thread as the
// laboratory's front-end reads it; the number of accesses read.
template <typename Feed> std::uint64_t readTrace(benchmark::State& state, Feed feed, bool ahead = false) {
    std::FILE* file = std::fopen(tracePath().c_str(), "rb");
    if (file == nullptr) {
        state.SkipWithError("the trace file cannot be opened");
        return 0;
    }
    TraceReader reader(file, {TraceFormat::Din, true});
    const ChunkSink sink = chunkSinkOf(feed);
    if (ahead) {
        readTraceAhead(reader, feedChunk, sink);
    } else {
        readTraceInTurn(reader, feedChunk, sink);
    }
    std::fclose(file);
    if (reader.fault().kind != TraceFaultKind::None) {
        state.SkipWithError("the trace file holds a faulty line");
    }
    return reader.accesses();
}

void labReadAndParseDin(benchmark::State& state) {
    std::uint64_t accesses = 0;
    for (auto _ : state) {
        std::uint64_t sum = 0;
        accesses += readTrace(state, [&](const TraceAccess* chunk, std::size_t count) {
            for (std::size_t i = 0; i < count; ++i) {
                sum += chunk[i].address + chunk[i].size;
            }
        });
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(accesses));
}

void runTwoLevels(benchmark::State& state, bool ahead) {
    HierarchyConfig config;
    LevelConfig l2;
    l2.capacity = 256 * 1024;
    l2.hitCycles = 10;
    config.levels = {LevelConfig{}, l2};
    std::uint64_t accesses = 0;
    for (auto _ : state) {
        LabRun run = startLabRun(config);
        accesses += readTrace(
            state, [&](const TraceAccess* chunk, std::size_t count) { feedLabRun(run, chunk, count); }, ahead);
        benchmark::DoNotOptimize(finishLabRun(run).amat);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(accesses));
}

// The model after the reading, on one thread; and the model beside the reading, as tarvel_cache_lab runs it.
void labEndToEndTwoLevelsInTurn(benchmark::State& state) { runTwoLevels(state, false); }
void labEndToEndTwoLevels(benchmark::State& state) { runTwoLevels(state, true); }

} // namespace

BENCHMARK(labReadAndParseDin)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(labEndToEndTwoLevelsInTurn)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(labEndToEndTwoLevels)->Unit(benchmark::kMillisecond)->UseRealTime();
