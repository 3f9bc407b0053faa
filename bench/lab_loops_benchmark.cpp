// Loops into traces end to end against the laboratory fed the same accesses from memory: a ten-million-access
// template generated chunk by chunk into an L1 of 32 KB, 64-byte lines, 8-way LRU, beside the same trace
// generated beforehand and fed from a vector, and the generation alone.

#include "lab/lab_run.h"
#include "lab/loops/loop_check.h"
#include "lab/loops/loop_templates.h"
#include "lab/loops/loop_trace.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr std::size_t chunkLength = std::size_t{1} << 16;

// Ten million accesses: 2500 rows of 4000 ints summed by rows, and B = the transpose of a 2236 x 2236 A
// (9999392 accesses).
const char* const choices[] = {"rows,rows=2500,columns=4000", "transpose,n=2236"};

LoopProgram checkedTemplate(const char* choice) {
    ParsedLoops parsed = parseTemplate(readTemplateChoice(choice));
    checkLoopProgram(parsed.program);
    return std::move(parsed.program);
}

HierarchyConfig levelOne() {
    HierarchyConfig config;
    config.levels.push_back(LevelConfig{}); // 32 KB, 64-byte lines, 8-way LRU, write-back
    return config;
}

void countAccesses(benchmark::State& state, const LoopProgram& program) {
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(program.accesses));
}

void loopsGenerated(benchmark::State& state) {
    const LoopProgram program = checkedTemplate(choices[state.range(0)]);
    const HierarchyConfig config = levelOne();
    std::vector<TraceAccess> chunk(chunkLength);
    for (auto _ : state) {
        LabRun run = startLabRun(config);
        LoopTrace trace(program);
        for (std::size_t count; (count = trace.read(chunk.data(), chunk.size())) != 0;) {
            feedLabRun(run, chunk.data(), count);
        }
        benchmark::DoNotOptimize(finishLabRun(run).levels.front().misses);
    }
    countAccesses(state, program);
}

void loopsFromMemory(benchmark::State& state) {
    const LoopProgram program = checkedTemplate(choices[state.range(0)]);
    const HierarchyConfig config = levelOne();
    std::vector<TraceAccess> trace(program.accesses);
    LoopTrace generator(program);
    generator.read(trace.data(), trace.size());
    for (auto _ : state) {
        LabRun run = startLabRun(config);
        for (std::size_t at = 0; at < trace.size(); at += chunkLength) {
            feedLabRun(run, trace.data() + at, std::min(chunkLength, trace.size() - at));
        }
        benchmark::DoNotOptimize(finishLabRun(run).levels.front().misses);
    }
    countAccesses(state, program);
}

void loopsGenerateOnly(benchmark::State& state) {
    const LoopProgram program = checkedTemplate(choices[state.range(0)]);
    std::vector<TraceAccess> chunk(chunkLength);
    for (auto _ : state) {
        LoopTrace trace(program);
        std::uint64_t sum = 0;
        for (std::size_t count; (count = trace.read(chunk.data(), chunk.size())) != 0;) {
            sum += chunk[count - 1].address;
        }
        benchmark::DoNotOptimize(sum);
    }
    countAccesses(state, program);
}

} // namespace

BENCHMARK(loopsFromMemory)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);
BENCHMARK(loopsGenerated)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);
BENCHMARK(loopsGenerateOnly)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);
