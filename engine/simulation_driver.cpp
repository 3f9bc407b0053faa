#include "engine/simulation_driver.h"

#include "config/cache_config.h"
#include "engine/address_fields.h"
#include "engine/mapping_steps.h"
#include "engine/random_source.h"
#include "engine/replacement.h"
#include "engine/simulation_state.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace {

using MappingStep = void (*)(std::int32_t addressIndex, std::int32_t traceOffset);
using SequenceRun = void (*)(int steps);

// The step of a mapping method, and the loop of a sequence over it.
struct MethodSteps {
    MappingStep single = nullptr;
    SequenceRun sequence = nullptr;
};

MethodSteps stepsOf(MappingMethod method) {
    switch (method) {
    case MappingMethod::Associative:
        return {associativeStep, runAssociativeSequence};
    case MappingMethod::SetAssociative:
        return {setAssociativeStep, runSetAssociativeSequence};
    case MappingMethod::Direct:
        return {directStep, runDirectSequence};
    }
    return {};
}

bool sameChoicesAsLastReset() {
    const SimulationState& state = simulationState;
    return state.previousMappingMethod == toInt(cacheConfig.mappingMethod) &&
           state.previousReplacementPolicy == toInt(cacheConfig.replacementPolicy) &&
           state.previousWorkMode == toInt(cacheConfig.workMode);
}

// The blocks kept from earlier runs are filed under the cache size, block size and (set-associative) set
// count of the last reset; under another geometry their tags, sets and LRU rows would mean something else.
bool sameGeometryAsLastReset() {
    const SimulationState& state = simulationState;
    const bool setsMatter = cacheConfig.mappingMethod == MappingMethod::SetAssociative;
    return state.previousCacheSizeKb == cacheConfig.cacheSizeKb &&
           state.previousBlockSizeBytes == cacheConfig.blockSizeBytes &&
           (!setsMatter || state.previousSetCount == cacheConfig.setCount);
}

// Successive individual runs with the same choices on a cache of the same shape continue on one cache;
// anything else starts afresh.
bool continuesLastRun() {
    return cacheConfig.workMode == WorkMode::Individual && sameChoicesAsLastReset() &&
           sameGeometryAsLastReset();
}

void rememberReset() {
    SimulationState& state = simulationState;
    if (state.previousWorkMode != toInt(cacheConfig.workMode)) {
        state.regenerateRandomSequence = 1;
    }
    state.previousMappingMethod = toInt(cacheConfig.mappingMethod);
    state.previousReplacementPolicy = toInt(cacheConfig.replacementPolicy);
    state.previousWorkMode = toInt(cacheConfig.workMode);
    state.previousCacheSizeKb = cacheConfig.cacheSizeKb;
    state.previousBlockSizeBytes = cacheConfig.blockSizeBytes;
    state.previousSetCount = cacheConfig.setCount;
}

bool isSequenceMode(WorkMode mode) {
    return mode == WorkMode::RandomSequence || mode == WorkMode::GivenSequence;
}

void repeatGivenAddresses(int iterations) {
    auto& addresses = cacheConfig.addressSequence;
    for (std::ptrdiff_t r = 1; r < iterations; ++r) {
        std::copy_n(addresses.begin(), addressFieldCount, addresses.begin() + r * addressFieldCount);
    }
}

// The addresses of a sequence run, in addressSequence: the given ten repeated, or the random sequence, drawn
// anew when asked for.
void prepareSequenceAddresses() {
    SimulationState& state = simulationState;
    state.addressBits = addressBitsFor(cacheConfig.ramSizeMb);
    if (cacheConfig.workMode == WorkMode::GivenSequence) {
        repeatGivenAddresses(std::clamp(cacheConfig.iterationCount, 1, givenSequencePassCapacity));
        return;
    }
    if (state.regenerateRandomSequence == 1) {
        state.regenerateRandomSequence = 0;
        drawRandomSequence(state.addressBits);
    }
    cacheConfig.addressSequence = state.randomSequence;
}

struct Quarter {
    std::uint32_t low = 0;
    std::uint32_t width = 0;
};

} // namespace

void drawRandomSequence(std::uint32_t addressBits) {
    // 2^n - 1 in 32 bits: 2^32 keeps no low bits, so 32 bits give 4294967295.
    const std::uint32_t top = (addressBits >= 32 ? 0u : std::uint32_t{1} << addressBits) - 1;
    const std::uint32_t q = top >> 2;
    const std::array<Quarter, 4> quarters{Quarter{0, q}, Quarter{q, 2 * q - q}, Quarter{2 * q, 3 * q - 2 * q},
                                          Quarter{3 * q, top - 3 * q}};
    const std::uint32_t chosen = drawRandomNumber() % 4;
    for (std::uint32_t& address : simulationState.randomSequence) {
        for (std::uint32_t k = 0; k < 4; ++k) {
            const std::uint32_t u = drawRandomNumber(); // one draw per quarter, the others discarded
            if (k == chosen) {
                const Quarter& quarter = quarters[k];
                address = static_cast<std::uint32_t>(u / 4294967296.0 * quarter.width + quarter.low);
            }
        }
    }
}

int simulatedAccessCount() {
    switch (cacheConfig.workMode) {
    case WorkMode::Individual:
        return 1;
    case WorkMode::GivenSequence:
        return std::clamp(cacheConfig.iterationCount, 1, givenSequencePassCapacity) == 1 ? addressFieldCount
                                                                                         : stepCapacity;
    case WorkMode::RandomSequence:
        return stepCapacity;
    }
    return 0;
}

void runSimulation() {
    const bool afresh = !continuesLastRun();
    if (afresh) {
        rememberReset();
    }
    cacheConfig.cacheBlockCount = blocksInCache(cacheConfig);
    const MethodSteps steps = stepsOf(cacheConfig.mappingMethod);
    const bool sequence = steps.sequence != nullptr && isSequenceMode(cacheConfig.workMode);
    if (afresh) {
        // Every sequence starts afresh, so its loop may carry whole snapshots forward.
        if (sequence) {
            resetForSequence(simulatedAccessCount());
        } else {
            resetSimulationState();
        }
    }
    if (sequence) {
        prepareSequenceAddresses();
        steps.sequence(simulatedAccessCount());
    } else if (steps.single != nullptr && cacheConfig.workMode == WorkMode::Individual) {
        steps.single(0,
                     1); // trace index 1, updated in place: the cache carries over to the next individual run
    }
}
