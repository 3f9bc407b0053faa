#pragma once

#include "config/cache_config.h"
#include "core_state.h"
#include "engine/mapping_steps.h"
#include "engine/replacement.h"
#include "engine/simulation_state.h"

#include <vector>

// Drives mapping steps one by one on an emptied cache, as the driver does for a sequence.
struct StepDriver {
    using Step = void (*)(std::int32_t, std::int32_t);
    Step step;
    int next = 0;

    StepDriver(const ConfigSetup& setup, Step mappingStep) : step(mappingStep) {
        applySetup(setup);
        cacheConfig.cacheBlockCount = blocksInCache(cacheConfig);
        resetSimulationState();
    }

    // Simulates the next access of the sequence and returns its trace index.
    int access(std::uint32_t address) {
        cacheConfig.addressSequence[static_cast<std::size_t>(next)] = address;
        copySnapshot(next);
        step(next, 0);
        return next++;
    }

    const CacheSnapshot& cache() const {
        return simulationState.snapshots[static_cast<std::size_t>(next - 1)];
    }
    bool missed(int t) const { return simulationState.missFlag[static_cast<std::size_t>(t)] == 1.0; }
};

// Four blocks of 4096 bytes in a 1 MB RAM: the tag of an associative address is address / 4096.
inline constexpr ConfigSetup fourBlockAssociative{.ramMb = 1,
                                                  .cacheKb = 16,
                                                  .blockBytes = 4096,
                                                  .mapping = MappingMethod::Associative,
                                                  .mode = WorkMode::GivenSequence,
                                                  .iterations = 1};

inline constexpr std::uint32_t ramBlock(std::uint32_t number) {
    return number * 4096;
}
