#pragma once

#include "config/capacities.h"

#include <array>
#include <cstdint>

// The value of each enumerator is the position of its display text in an alphabetically sorted list, which is
// how the Configuration dialog's lists order their items. A field holding -1 means its list had no selection.
enum class MappingMethod : std::int32_t { Associative = 0, SetAssociative = 1, Direct = 2 };
enum class ReplacementPolicy : std::int32_t { Fifo = 0, Lru = 1 };
enum class WorkMode : std::int32_t { Individual = 0, RandomSequence = 1, GivenSequence = 2 };

inline constexpr std::int32_t noSelection = -1;

constexpr std::int32_t toInt(MappingMethod value) {
    return static_cast<std::int32_t>(value);
}
constexpr std::int32_t toInt(ReplacementPolicy value) {
    return static_cast<std::int32_t>(value);
}
constexpr std::int32_t toInt(WorkMode value) {
    return static_cast<std::int32_t>(value);
}

// What the user asked the simulator to do, and the outcome of validating it. One instance serves the process.
struct CacheConfig {
    std::int32_t ramSizeMb = 0;
    std::int32_t cacheSizeKb = 0;
    std::int32_t blockSizeBytes = 0;
    MappingMethod mappingMethod = MappingMethod::Associative;
    ReplacementPolicy replacementPolicy = ReplacementPolicy::Fifo;
    WorkMode workMode = WorkMode::Individual;
    std::int32_t setCount = 0;
    std::int32_t iterationCount = 0;
    std::int32_t cacheBlockCount = 0;
    std::uint32_t configErrors = 0;
    std::array<std::uint32_t, stepCapacity> addressSequence{};
    std::array<std::int32_t, addressFieldCount> addressEntered{};

    bool operator==(const CacheConfig&) const = default;
};

extern CacheConfig cacheConfig;

// Run control: whether a run has been made since the configuration was last set.
extern std::int32_t simulationStarted;
extern std::int32_t resultsReady;

// Blocks in the cache, cacheSizeKb * 1024 / blockSizeBytes in 32-bit arithmetic; 0 when the block size is not
// positive, so that no caller ever divides by zero.
std::int32_t blocksInCache(const CacheConfig& config);
