#include "config/validation.h"

#include "config/cache_config.h"
#include "config/wrapping_arithmetic.h"

#include <algorithm>
#include <array>

namespace {

template <std::size_t N> bool isOneOf(std::int32_t value, const std::array<std::int32_t, N>& admissible) {
    return std::find(admissible.begin(), admissible.end(), value) != admissible.end();
}

// A random sequence is charted over at least this many of its accesses.
constexpr std::int32_t minimumRandomIterations = 10;

bool iterationCountInRange(const CacheConfig& config) {
    switch (config.workMode) {
    case WorkMode::RandomSequence:
        return config.iterationCount >= minimumRandomIterations && config.iterationCount <= stepCapacity;
    case WorkMode::GivenSequence:
        return config.iterationCount >= 1 && config.iterationCount <= givenSequencePassCapacity;
    default:
        return true; // an individual run does not iterate
    }
}

std::uint32_t sizeErrors(const CacheConfig& config) {
    std::uint32_t errors = 0;
    if (!isOneOf(config.ramSizeMb, admissibleRamSizesMb)) {
        errors |= RamSizeInvalid;
    }
    if (!isOneOf(config.cacheSizeKb, admissibleCacheSizesKb)) {
        errors |= CacheSizeInvalid;
    }
    if (!isOneOf(config.blockSizeBytes, admissibleBlockSizesBytes)) {
        errors |= BlockSizeInvalid;
    }
    return errors;
}

std::uint32_t choiceErrors(const CacheConfig& config) {
    std::uint32_t errors = 0;
    const MappingMethod mapping = config.mappingMethod;
    if (toInt(mapping) < 0) {
        errors |= MappingMissing;
    }
    const bool usesPolicy = mapping == MappingMethod::Associative || mapping == MappingMethod::SetAssociative;
    if (usesPolicy && toInt(config.replacementPolicy) < 0) {
        errors |= PolicyMissing;
    }
    if (mapping == MappingMethod::SetAssociative && !isOneOf(config.setCount, admissibleSetCounts)) {
        errors |= SetCountInvalid;
    }
    if (toInt(config.workMode) < 0) {
        errors |= WorkModeMissing;
    }
    if (!iterationCountInRange(config)) {
        errors |= IterationCountInvalid;
    }
    return errors;
}

// The set-count comparison runs for every mapping method: a disabled sets field keeps its text.
std::uint32_t proportionErrors(const CacheConfig& config) {
    std::uint32_t errors = 0;
    if (config.blockSizeBytes > 0) {
        const std::int32_t blocks = blocksInCache(config);
        if (!isOneOf(blocks, admissibleCacheBlockCounts)) {
            errors |= CacheBlockCountInvalid;
        }
        if (blocks < config.setCount) {
            errors |= FewerBlocksThanSets;
        }
    }
    if (config.cacheSizeKb > 0 && wrappingMultiply(config.ramSizeMb, 1024) / config.cacheSizeKb < 16) {
        errors |= RamTooSmallForCache;
    }
    // More than 2^19 blocks in RAM: for power-of-two sizes, RAM in MB at least the block size in bytes.
    if (config.blockSizeBytes > 0 && config.ramSizeMb / config.blockSizeBytes >= 1) {
        errors |= RamBlockCountInvalid;
    }
    return errors;
}

std::uint32_t addressErrors(const CacheConfig& config) {
    const std::int64_t lastAddress = std::int64_t{config.ramSizeMb} * 1048576 - 1;
    int fieldsTested = 0;
    if (config.workMode == WorkMode::GivenSequence) {
        fieldsTested = addressFieldCount;
    } else if (config.workMode == WorkMode::Individual) {
        fieldsTested = 1;
    }
    std::uint32_t errors = 0;
    for (int i = 0; i < fieldsTested; ++i) {
        if (std::int64_t{config.addressSequence[static_cast<std::size_t>(i)]} > lastAddress) {
            errors |= addressTooLargeBit(i);
        }
    }
    // Every field counts here, enabled or not.
    for (std::int32_t entered : config.addressEntered) {
        if (entered == 0) {
            errors |= AddressNotNumber;
        }
    }
    return errors;
}

} // namespace

void validateConfiguration() {
    const CacheConfig& config = cacheConfig;
    cacheConfig.configErrors =
        sizeErrors(config) | choiceErrors(config) | proportionErrors(config) | addressErrors(config);
}
