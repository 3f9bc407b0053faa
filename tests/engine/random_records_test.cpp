// Random records of every kind through validation, the engine and the report: nothing may crash, divide by
// zero or overflow (the sanitizer build checks that), and what the engine leaves must stay coherent.

#include "config/validation.h"
#include "core_state.h"
#include "engine/simulation_driver.h"
#include "engine/simulation_state.h"
#include "report/status_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>

namespace {

class RandomRecords {
  public:
    explicit RandomRecords(std::uint32_t seed) : generator_(seed) {}

    std::uint32_t any() { return static_cast<std::uint32_t>(generator_()); }
    bool coin() { return (any() & 1) != 0; }

    // Mostly a value a user could type or choose, sometimes any 32-bit value at all.
    std::int32_t field(std::initializer_list<std::int32_t> plausible) {
        if (any() % 8 == 0) {
            return static_cast<std::int32_t>(any());
        }
        return *(plausible.begin() + any() % plausible.size());
    }

    void fillConfiguration(CacheConfig& config) {
        config.ramSizeMb = field({1, 2, 16, 64, 256, 1024, 4096, 0, 8192, -1});
        config.cacheSizeKb = field({16, 32, 64, 256, 1024, 0, 3000000});
        config.blockSizeBytes = field({1024, 4096, 8192, 65536, 128, 0, 3, -128});
        config.mappingMethod = MappingMethod{field({0, 1, 2, 0, 1, 2, -1})};
        config.replacementPolicy = ReplacementPolicy{field({0, 1, -1})};
        config.workMode = WorkMode{field({0, 1, 2, -1})};
        config.setCount = field({1, 2, 4, 8, 0, 16});
        config.iterationCount = field({1, 3, 10, 50, 100, 0, 11, 101});
        config.cacheBlockCount = static_cast<std::int32_t>(any());
        for (std::size_t i = 0; i < addressFieldCount; ++i) {
            config.addressSequence[i] = any() % 8 == 0 ? any() : any() % 1048576;
            config.addressEntered[i] = any() % 128 == 0 ? 0 : 1;
        }
    }

  private:
    std::mt19937 generator_;
};

bool isBlockColour(std::uint32_t colour) {
    return colour == emptyBlockColor || colour == filledBlockColor || colour == evictedBlockColor;
}

// What a run leaves in the snapshots it wrote. An individual run may continue on a cache of another block
// count (changing a size does not reset it), so only a sequence run, which starts empty, keeps every block
// beyond the cache empty and every LRU row within n bits.
void expectCoherentCache(int firstTrace, int lastTrace, bool startedEmpty) {
    const int n = cacheConfig.cacheBlockCount;
    for (int t = firstTrace; t <= lastTrace; ++t) {
        const CacheSnapshot& cache = simulationState.snapshots[static_cast<std::size_t>(t)];
        int pink = 0;
        for (int b = 0; b < cacheBlockCapacity; ++b) {
            const auto k = static_cast<std::size_t>(b);
            const bool empty = cache.blockState[k] == BlockState::Empty;
            ASSERT_EQ(empty, cache.blockColor[k] == emptyBlockColor) << "trace " << t << " block " << b;
            ASSERT_TRUE(isBlockColour(cache.blockColor[k]));
            if (startedEmpty) {
                ASSERT_TRUE(b < n || empty) << "a block beyond the cache was used";
                ASSERT_LT(cache.lruRow[k], 1u << n);
            }
            pink += b < n && cache.blockColor[k] == evictedBlockColor ? 1 : 0;
        }
        ASSERT_LE(pink, 1) << "one step evicts at most one block";
    }
}

void expectCoherentRun() {
    ASSERT_TRUE(cacheConfig.cacheBlockCount == 2 || cacheConfig.cacheBlockCount == 4 ||
                cacheConfig.cacheBlockCount == 8 || cacheConfig.cacheBlockCount == 16);
    for (double flag : simulationState.missFlag) {
        ASSERT_TRUE(flag == 0.0 || flag == 1.0);
    }
    if (cacheConfig.workMode == WorkMode::Individual) {
        expectCoherentCache(1, 1, false);
    } else {
        expectCoherentCache(0, stepCapacity - 1, true);
    }
}

TEST(RandomRecords, ValidationEngineAndReportHoldForAnyRecord) {
    startFromStartup(7);
    RandomRecords random(20261208);
    TextStream stream = openTextStream();
    std::FILE* sink = stream.file;
    ASSERT_NE(sink, nullptr);
    int valid = 0;
    for (int round = 0; round < 60000; ++round) {
        random.fillConfiguration(cacheConfig);
        simulationStarted = random.coin() ? 1 : static_cast<std::int32_t>(random.any());
        cacheConfig.configErrors = random.any();
        printStatusReport(sink); // whatever bits a record holds
        validateConfiguration();
        ASSERT_EQ(cacheConfig.configErrors & ~0x7fffffu, 0u);
        printStatusReport(sink);
        if (cacheConfig.configErrors == 0) {
            ++valid;
            simulationStarted = 1;
            runSimulation();
            expectCoherentRun();
            printStatusReport(sink);
        }
        std::rewind(sink);
    }
    closeTextStream(stream);
    EXPECT_GT(valid, 500) << "too few valid configurations to exercise the engine";
}

} // namespace
