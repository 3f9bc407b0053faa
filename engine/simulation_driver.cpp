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

MappingStep mappingStepFor(MappingMethod method) {
    switch (method) {
    case MappingMethod::Associative:
        return associativeStep;
    case MappingMethod::SetAssociative:
        return setAssociativeStep;
    case MappingMethod::Direct:
        return directStep;
    }
    return nullptr;
}

bool sameChoicesAsLastReset() {
    const SimulationState& state = simulationState;
    return state.previousMappingMethod == toInt(cacheConfig.mappingMethod) &&
           state.previousReplacementPolicy == toInt(cacheConfig.replacementPolicy) &&
           state.previousWorkMode == toInt(cacheConfig.workMode);
}

// The blocks kept from earlier runs are filed under the cache size, block size and (set-associative) set count
// of the last reset; under another geometry their tags, sets and LRU rows would mean something else.
bool sameGeometryAsLastReset() {
    const SimulationState& state = simulationState;
    const bool setsMatter = cacheConfig.mappingMethod == MappingMethod::SetAssociative;
    return state.previousCacheSizeKb == cacheConfig.cacheSizeKb &&
           state.previousBlockSizeBytes == cacheConfig.blockSizeBytes &&
           (!setsMatter || state.previousSetCount == cacheConfig.setCount);
}

void rememberReset() {
    SimulationState& state = simulationState;
    state.previousMappingMethod = toInt(cacheConfig.mappingMethod);
    state.previousReplacementPolicy = toInt(cacheConfig.replacementPolicy);
    state.previousWorkMode = toInt(cacheConfig.workMode);
    state.previousCacheSizeKb = cacheConfig.cacheSizeKb;
    state.previousBlockSizeBytes = cacheConfig.blockSizeBytes;
    state.previousSetCount = cacheConfig.setCount;
}

// Successive individual runs with the same choices on a cache of the same shape continue on one cache; anything
// else starts afresh.
void resetUnlessContinuing() {
    if (cacheConfig.workMode == WorkMode::Individual && sameChoicesAsLastReset() && sameGeometryAsLastReset()) {
        return;
    }
    if (simulationState.previousWorkMode != toInt(cacheConfig.workMode)) {
        simulationState.regenerateRandomSequence = 1;
    }
    rememberReset();
    resetSimulationState();
}

void runSequence(MappingStep step, int steps) {
    for (int s = 0; s < steps; ++s) {
        copySnapshot(s);
        step(s, 0);
    }
}

void repeatGivenAddresses(int iterations) {
    auto& addresses = cacheConfig.addressSequence;
    for (std::ptrdiff_t r = 1; r < iterations; ++r) {
        std::copy_n(addresses.begin(), addressFieldCount, addresses.begin() + r * addressFieldCount);
    }
}

void runGivenSequence(MappingStep step) {
    simulationState.addressBits = addressBitsFor(cacheConfig.ramSizeMb);
    const int iterations = std::clamp(cacheConfig.iterationCount, 1, givenSequencePassCapacity);
    if (iterations == 1) {
        runSequence(step, addressFieldCount);
        return;
    }
    repeatGivenAddresses(iterations);
    runSequence(step, stepCapacity);
}

void runRandomSequence(MappingStep step) {
    SimulationState& state = simulationState;
    state.addressBits = addressBitsFor(cacheConfig.ramSizeMb);
    if (state.regenerateRandomSequence == 1) {
        state.regenerateRandomSequence = 0;
        drawRandomSequence(state.addressBits);
    }
    cacheConfig.addressSequence = state.randomSequence;
    runSequence(step, stepCapacity);
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

void runSimulation() {
    resetUnlessContinuing();
    cacheConfig.cacheBlockCount = blocksInCache(cacheConfig);
    const MappingStep step = mappingStepFor(cacheConfig.mappingMethod);
    if (step == nullptr) {
        return;
    }
    switch (cacheConfig.workMode) {
    case WorkMode::Individual:
        step(0, 1); // trace index 1, updated in place: the cache carries over to the next individual run
        break;
    case WorkMode::RandomSequence:
        runRandomSequence(step);
        break;
    case WorkMode::GivenSequence:
        runGivenSequence(step);
        break;
    }
}
