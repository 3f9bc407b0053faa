// The laboratory's model alone over a trace already in memory, beside the floor of reading that trace, and
// the sweep of all its configurations beside one run of the largest ones.

#include "lab/lab_run.h"

#include "engine/split_mix64.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

constexpr std::size_t traceLength = 10'000'000;

// Thirty-one accesses in thirty-two walk a 16 MB array in 4-byte steps, the last lands anywhere in it; a quarter are
// writes. An L1 of 32 KB misses about one access in eleven.
const std::vector<TraceAccess>& syntheticTrace() {
    static const std::vector<TraceAccess> trace = [] {
        std::vector<TraceAccess> accesses(traceLength);
        std::uint64_t state = 1;
        std::uint64_t walk = 0;
        for (TraceAccess& access : accesses) {
            const std::uint64_t draw = nextSplitMix64(state);
            walk = (walk + 4) & 0xFFFFFF;
            access.address = (draw & 31) == 0 ? (draw >> 8) & 0xFFFFFC : walk;
            access.size = 4;
            access.op = ((draw >> 3) & 3) == 0 ? AccessOp::Write : AccessOp::Read;
        }
        return accesses;
    }();
    return trace;
}

LevelConfig levelOf(std::uint64_t capacity, std::uint64_t ways, bool full = false) {
    LevelConfig level;
    level.capacity = capacity;
    level.line = 64;
    level.ways = ways;
    level.fullyAssociative = full;
    return level;
}

void countAccesses(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(traceLength));
}

// What the hardware needs at the least: every access of the trace read once.
void labTraceFloor(benchmark::State& state) {
    const std::vector<TraceAccess>& trace = syntheticTrace();
    for (auto _ : state) {
        std::uint64_t sum = 0;
        for (const TraceAccess& access : trace) {
            sum += access.address + access.size;
        }
        benchmark::DoNotOptimize(sum);
    }
    countAccesses(state);
}

void runLevel(benchmark::State& state, const LevelConfig& level) {
    const std::vector<TraceAccess>& trace = syntheticTrace();
    HierarchyConfig config;
    config.levels = {level};
    LabSummary summary;
    for (auto _ : state) {
        LabRun run = startLabRun(config);
        feedLabRun(run, trace.data(), trace.size());
        summary = finishLabRun(run);
        benchmark::DoNotOptimize(summary);
    }
    countAccesses(state);
    state.counters["miss_rate"] = static_cast<double>(summary.levels.at(0).misses) /
                                  static_cast<double>(summary.levels.at(0).accesses);
}

void labL1(benchmark::State& state) { runLevel(state, levelOf(32 * 1024, 8)); }
void labLargestSetAssociative(benchmark::State& state) { runLevel(state, levelOf(4 << 20, 16)); }
void labLargestFullyAssociative(benchmark::State& state) { runLevel(state, levelOf(4 << 20, 0, true)); }

void labSweep(benchmark::State& state) {
    const std::vector<TraceAccess>& trace = syntheticTrace();
    for (auto _ : state) {
        LabSweep sweep = startLabSweep(levelOf(32 * 1024, 8));
        feedLabSweep(sweep, trace.data(), trace.size());
        benchmark::DoNotOptimize(finishLabSweep(sweep));
    }
    countAccesses(state);
}

} // namespace

BENCHMARK(labTraceFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(labL1)->Unit(benchmark::kMillisecond);
BENCHMARK(labLargestSetAssociative)->Unit(benchmark::kMillisecond);
BENCHMARK(labLargestFullyAssociative)->Unit(benchmark::kMillisecond);
BENCHMARK(labSweep)->Unit(benchmark::kMillisecond);
