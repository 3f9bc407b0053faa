// Time of one runSimulation of 100 steps under each mapping method and replacement policy.

#include "config/cache_config.h"
#include "config/validation.h"
#include "engine/random_source.h"
#include "engine/simulation_driver.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

// 4096 MB of RAM, 64 KB of cache in 4096-byte blocks: 16 blocks, in 4 sets when set-associative.
void configure(MappingMethod method, ReplacementPolicy policy, WorkMode mode) {
    cacheConfig = CacheConfig{};
    cacheConfig.ramSizeMb = 4096;
    cacheConfig.cacheSizeKb = 64;
    cacheConfig.blockSizeBytes = 8192;
    cacheConfig.mappingMethod = method;
    cacheConfig.replacementPolicy = policy;
    cacheConfig.workMode = mode;
    cacheConfig.setCount = 4;
    cacheConfig.iterationCount = mode == WorkMode::GivenSequence ? 10 : 100;
    cacheConfig.addressEntered.fill(1);
    // Ten addresses over 24 RAM blocks: some hits, many conflicts.
    for (std::uint32_t i = 0; i < addressFieldCount; ++i) {
        cacheConfig.addressSequence[i] = (i * 7 % 24) * 8192 + i * 100;
    }
    validateConfiguration();
    if (cacheConfig.configErrors != 0) {
        throw std::logic_error("benchmark configuration does not validate");
    }
}

void runHundredSteps(benchmark::State& state, MappingMethod method, ReplacementPolicy policy, WorkMode mode) {
    seedDeterministicRandom(2026);
    configure(method, policy, mode);
    runSimulation(); // draws the random sequence once; later runs replay it
    for (auto _ : state) {
        runSimulation();
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
