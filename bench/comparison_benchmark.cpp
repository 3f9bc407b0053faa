// Time of --compare on one run: the five methods and policies, each through "Setare mod" and START SIMULARE,
// on one random sequence of 100 accesses, their table written to the null device.

#include "cli/method_comparison.h"
#include "config/cache_config.h"
#include "config/choice_names.h"
#include "engine/random_source.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <stdexcept>

namespace {

void compareFiveMethods(benchmark::State& state) {
    seedDeterministicRandom(2026);
    allocateNameBuffers();
    // 1 MB of RAM, 16 KB of cache in 1024-byte blocks: 16 blocks, in 4 sets for the set-associative rows.
    const DialogFields fields{.ram = "1",
                              .cache = "16",
                              .block = "1024",
                              .sets = "4",
                              .iterations = "100",
                              .mode = toInt(WorkMode::RandomSequence)};
    std::FILE* nullDevice = std::fopen("/dev/null", "w");
    if (nullDevice == nullptr) {
        throw std::runtime_error("the null device cannot be opened");
    }
    MethodComparison comparison(ComparisonFormat::Table, Language::Romanian, nullDevice, nullDevice);
    // The first run draws the sequence; the five combinations of every later run replay it.
    if (!comparison.compareRun(fields)) {
        throw std::logic_error("benchmark configuration does not validate");
    }
    while (state.KeepRunning()) {
        benchmark::DoNotOptimize(comparison.compareRun(fields));
    }
    std::fclose(nullDevice);
}

} // namespace

BENCHMARK(compareFiveMethods)->Unit(benchmark::kMicrosecond);
