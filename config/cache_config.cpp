#include "config/cache_config.h"

#include "config/wrapping_arithmetic.h"

CacheConfig cacheConfig;
std::int32_t simulationStarted = 0;
std::int32_t resultsReady = 0;

std::int32_t blocksInCache(const CacheConfig& config) {
    if (config.blockSizeBytes <= 0) {
        return 0;
    }
    return wrappingMultiply(config.cacheSizeKb, 1024) / config.blockSizeBytes;
}
