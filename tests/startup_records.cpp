#include "startup_records.h"

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
