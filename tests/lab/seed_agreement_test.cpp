// The laboratory's model and the engine agree on every configuration the Configuration dialog admits: at
// every access the same hit or miss, the same evicted block and the same kind of miss.

#include "lab_test_support.h"

#include "config/cache_config.h"
#include "config/validation.h"
#include "core_state.h"
#include "dialog/dialog_buttons.h"
#include "engine/miss_kinds.h"
#include "engine/random_source.h"
#include "engine/simulation_driver.h"
#include "engine/simulation_state.h"
#include "engine/split_mix64.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

namespace {

struct Draw {
    std::uint64_t state;
    std::uint32_t below(std::size_t bound) { return static_cast<std::uint32_t>(nextSplitMix64(state) % bound); }
    template <class Values> auto from(const Values& values) { return values[below(values.size())]; }
};

// A configuration of the dialog, mostly over a small RAM so that the random sequences come back to blocks.
DialogFields drawFields(Draw& draw) {
    ConfigSetup setup;
    setup.ramMb = draw.below(4) != 0 ? 1 : draw.from(admissibleRamSizesMb);
    do { // two to sixteen blocks of an admitted size
        setup.cacheKb = draw.from(admissibleCacheSizesKb);
        setup.blockBytes = setup.cacheKb * 1024 / draw.from(admissibleCacheBlockCounts);
    } while (setup.blockBytes > admissibleBlockSizesBytes.back());
    setup.mapping = static_cast<MappingMethod>(draw.below(3));
    setup.policy = static_cast<ReplacementPolicy>(draw.below(2));
    setup.sets = draw.from(admissibleSetCounts);
    const bool random = draw.below(2) == 0;
    setup.mode = random ? WorkMode::RandomSequence : WorkMode::GivenSequence;
    setup.iterations = random ? 0 : draw.below(2) == 0 ? 1 : 10;
    DialogFields fields = dialogFieldsFor(setup);
    // Given addresses among a few blocks, so that they collide in their sets.
    const auto blocks = static_cast<std::uint64_t>(setup.cacheKb * 1024 / setup.blockBytes);
    const std::uint64_t ramBlocks = (std::uint64_t{1} << 20) * static_cast<std::uint64_t>(setup.ramMb) /
                                    static_cast<std::uint64_t>(setup.blockBytes);
    for (std::string& address : fields.addresses) {
        const std::uint64_t block = draw.below(static_cast<std::size_t>(std::max<std::uint64_t>(1, std::min(4 * blocks, ramBlocks))));
        address = std::to_string(block * static_cast<std::uint64_t>(setup.blockBytes) +
                                 draw.below(static_cast<std::size_t>(setup.blockBytes)));
    }
    return fields;
}

// The laboratory's level for the dialog's configuration: sizes in bytes, blocks as lines.
HierarchyConfig levelFor(const CacheConfig& config) {
    LevelConfig level = levelOf(std::uint64_t{1024} * static_cast<std::uint64_t>(config.cacheSizeKb),
                                static_cast<std::uint64_t>(config.blockSizeBytes), 1,
                                config.replacementPolicy == ReplacementPolicy::Lru ? LabPolicy::Lru : LabPolicy::Fifo);
    level.fullyAssociative = config.mappingMethod == MappingMethod::Associative;
    if (config.mappingMethod == MappingMethod::SetAssociative) {
        level.ways = static_cast<std::uint64_t>(config.cacheBlockCount / config.setCount);
    }
    HierarchyConfig hierarchy;
    hierarchy.levels = {level};
    return hierarchy;
}

// The RAM block the engine's step t evicted, found as the block whose tag changed; -1 when none was.
std::int64_t engineVictim(int t) {
    const CacheSnapshot empty{};
    const CacheSnapshot& before = t == 0 ? empty : simulationState.snapshots[static_cast<std::size_t>(t - 1)];
    const CacheSnapshot& after = simulationState.snapshots[static_cast<std::size_t>(t)];
    for (int b = 0; b < cacheConfig.cacheBlockCount; ++b) {
        const auto i = static_cast<std::size_t>(b);
        if (before.blockState[i] == BlockState::Empty || before.blockTag[i] == after.blockTag[i]) {
            continue;
        }
        const MappingMethod method = cacheConfig.mappingMethod;
        const auto set = static_cast<std::uint64_t>(method == MappingMethod::Direct ? b
                                                    : method == MappingMethod::SetAssociative
                                                        ? b / simulationState.blocksPerSet
                                                        : 0);
        const std::uint32_t setBits = method == MappingMethod::Direct           ? simulationState.blockBits
                                      : method == MappingMethod::SetAssociative ? simulationState.setBits
                                                                                : 0;
        return static_cast<std::int64_t>(std::uint64_t{before.blockTag[i]} << setBits | set);
    }
    return -1;
}

TEST(SeedAgreement, EveryAccessOfEveryAdmittedConfiguration) {
    Draw draw{2024};
    int compared = 0;
    int missesSeen = 0;
    for (int trial = 0; trial < 8000; ++trial) {
        pressSetareMod(drawFields(draw));
        if (cacheConfig.configErrors != 0) {
            continue;
        }
        seedDeterministicRandom(static_cast<std::uint64_t>(trial));
        pressRegenerateSequence();
        pressStartSimulation();
        const int accesses = simulatedAccessCount();
        std::vector<TraceAccess> trace;
        for (int i = 0; i < accesses; ++i) {
            trace.push_back(readOf(cacheConfig.addressSequence[static_cast<std::size_t>(i)]));
        }
        const ModelRun lab = runModel(levelFor(cacheConfig), trace);
        ASSERT_EQ(lab.steps.size(), trace.size());
        const std::uint64_t lineBytes = static_cast<std::uint64_t>(cacheConfig.blockSizeBytes);
        for (int i = 0; i < accesses; ++i) {
            SCOPED_TRACE(testing::Message() << "trial " << trial << ", access " << i);
            const auto t = static_cast<std::size_t>(i);
            const LabStep& step = lab.steps[t];
            ASSERT_EQ(step.hit, simulationState.missFlag[t] == hitOutcome);
            ASSERT_EQ(static_cast<int>(step.kind), static_cast<int>(missKinds.kind[t]));
            ASSERT_EQ(step.evicted ? static_cast<std::int64_t>(step.victimAddress / lineBytes) : -1,
                      engineVictim(i));
            missesSeen += step.kind == LabMissKind::Conflict || step.kind == LabMissKind::Capacity ? 1 : 0;
        }
        ++compared;
    }
    EXPECT_GT(compared, 2000);
    EXPECT_GT(missesSeen, 10000); // the sequences came back to blocks they had lost
}

} // namespace
