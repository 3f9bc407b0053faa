#include "fuzz_support.h"

#include "config/cache_config.h"
#include "config/choice_names.h"
#include "engine/miss_kinds.h"
#include "engine/random_source.h"
#include "engine/simulation_state.h"

void startFromStartup(std::uint64_t seed) {
    cacheConfig = CacheConfig{};
    simulationState = SimulationState{};
    missKinds = MissKinds{};
    simulationStarted = 0;
    resultsReady = 0;
    allocateNameBuffers();
    for (wchar_t* name : {mappingMethodName, replacementPolicyName, workModeName}) {
        storeName(name, L"");
    }
    seedDeterministicRandom(seed);
}

std::uint64_t inputSeed(const std::uint8_t* data, std::size_t size) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (std::size_t i = 0; i < size; ++i) {
        hash = (hash ^ data[i]) * 1099511628211ULL;
    }
    return hash;
}
