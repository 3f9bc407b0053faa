// Time of one runSimulation of 100 steps under each mapping method and replacement policy, and apart from it
// the time of classifying the misses of such a run.

#include "config/cache_config.h"
#include "config/choice_names.h"
#include "dialog/dialog_buttons.h"
#include "engine/miss_kinds.h"
#include "engine/random_source.h"
#include "engine/simulation_driver.h"

#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

namespace {

// "Setare mod" with 4096 MB of RAM, 64 KB of cache in 8192-byte blocks: 8 blocks, in 4 sets when
// set-associative.
void configure(MappingMethod method, ReplacementPolicy policy, WorkMode mode) {
    DialogFields fields{.ram = "4096",
                        .cache = "64",
                        .block = "8192",
                        .sets = "4",
                        .iterations = std::to_string(mode == WorkMode::GivenSequence ? 10 : 100),
                        .mapping = toInt(method),
                        .policy = toInt(policy),
                        .mode = toInt(mode)};
    // Ten addresses over 24 RAM blocks: some hits, many conflicts.
    for (std::uint32_t i = 0; i < addressFieldCount; ++i) {
        fields.addresses[i] = std::to_string((i * 7 % 24) * 8192 + i * 100);
    }
    pressSetareMod(fields);
    if (cacheConfig.configErrors != 0) {
        throw std::logic_error("benchmark configuration does not validate");
    }
}

void runHundredSteps(benchmark::State& state, MappingMethod method, ReplacementPolicy policy, WorkMode mode) {
    seedDeterministicRandom(2026);
    allocateNameBuffers();
    configure(method, policy, mode);
    runSimulation(); // draws the random sequence once; later runs replay it
    for (auto _ : state) {
        runSimulation();
        benchmark::ClobberMemory();
    }
}

// classifyMisses after one run of 100 steps, which START SIMULARE adds to runSimulation.
void classifyHundredSteps(benchmark::State& state, MappingMethod method, ReplacementPolicy policy,
                          WorkMode mode) {
    seedDeterministicRandom(2026);
    allocateNameBuffers();
    configure(method, policy, mode);
    runSimulation();
    for (auto _ : state) {
        classifyMisses();
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK_CAPTURE(runHundredSteps, given_direct, MappingMethod::Direct, ReplacementPolicy::Fifo,
                  WorkMode::GivenSequence);
BENCHMARK_CAPTURE(runHundredSteps, given_associative_fifo, MappingMethod::Associative,
                  ReplacementPolicy::Fifo, WorkMode::GivenSequence);
BENCHMARK_CAPTURE(runHundredSteps, given_associative_lru, MappingMethod::Associative, ReplacementPolicy::Lru,
                  WorkMode::GivenSequence);
BENCHMARK_CAPTURE(runHundredSteps, given_set_associative_fifo, MappingMethod::SetAssociative,
                  ReplacementPolicy::Fifo, WorkMode::GivenSequence);
BENCHMARK_CAPTURE(runHundredSteps, given_set_associative_lru, MappingMethod::SetAssociative,
                  ReplacementPolicy::Lru, WorkMode::GivenSequence);
BENCHMARK_CAPTURE(runHundredSteps, random_direct, MappingMethod::Direct, ReplacementPolicy::Fifo,
                  WorkMode::RandomSequence);
BENCHMARK_CAPTURE(runHundredSteps, random_associative_lru, MappingMethod::Associative, ReplacementPolicy::Lru,
                  WorkMode::RandomSequence);
BENCHMARK_CAPTURE(runHundredSteps, random_set_associative_lru, MappingMethod::SetAssociative,
                  ReplacementPolicy::Lru, WorkMode::RandomSequence);
BENCHMARK_CAPTURE(classifyHundredSteps, given_direct, MappingMethod::Direct, ReplacementPolicy::Fifo,
                  WorkMode::GivenSequence);
BENCHMARK_CAPTURE(classifyHundredSteps, random_associative_lru, MappingMethod::Associative,
                  ReplacementPolicy::Lru, WorkMode::RandomSequence);
