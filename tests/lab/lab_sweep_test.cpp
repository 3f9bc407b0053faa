// The sweep's one pass gives every row what a run of that cache alone gives, whether writes allocate or not.

#include "lab_test_support.h"

#include "engine/split_mix64.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// Phases of random accesses over working sets of 1 KB to 8 MB, a third of them writes, some spanning lines.
std::vector<TraceAccess> phasedTrace(std::uint64_t seed, int length) {
    std::vector<TraceAccess> trace;
    std::uint64_t state = seed;
    std::uint64_t span = 1024;
    for (int i = 0; i < length; ++i) {
        if (i % 2000 == 0) {
            span = std::uint64_t{1024} << (nextSplitMix64(state) % 14);
        }
        const std::uint64_t draw = nextSplitMix64(state);
        const auto op = draw % 3 == 0 ? AccessOp::Write : draw % 7 == 0 ? AccessOp::Modify : AccessOp::Read;
        trace.push_back({(draw >> 8) % span, static_cast<std::uint32_t>(1 + (draw >> 4) % 8), op});
    }
    return trace;
}

TEST(LabSweep, EveryRowEqualsItsOwnRun) {
    struct Case {
        std::uint64_t line;
        bool allocate;
    };
    for (const Case c : {Case{64, true}, Case{64, false}, Case{1024, false}, Case{512, true}}) {
        SCOPED_TRACE(testing::Message() << c.line << (c.allocate ? " allocate" : " no allocate"));
        const std::vector<TraceAccess> trace = phasedTrace(c.line + (c.allocate ? 1 : 0), 16000);
        LevelConfig base = levelOf(32 * 1024, c.line, 8);
        base.write = WriteRule::Through;
        base.allocate = c.allocate;
        LabSweep sweep = startLabSweep(base);
        feedLabSweep(sweep, trace.data(), trace.size());
        const std::vector<SweepRow> rows = finishLabSweep(sweep);
        EXPECT_EQ(rows.size(), c.line == 64 ? 78u : c.line == 512 ? 72u : 68u);
        for (const SweepRow& row : rows) {
            SCOPED_TRACE(testing::Message() << row.capacity << " x " << row.ways);
            HierarchyConfig config;
            config.levels = {base};
            config.levels[0].capacity = row.capacity;
            config.levels[0].ways = row.ways;
            config.levels[0].fullyAssociative = row.ways == 0;
            LabRun run = startLabRun(config);
            feedLabRun(run, trace.data(), trace.size());
            const LevelSummary level = finishLabRun(run).levels.at(0);
            EXPECT_EQ(row.accesses, level.accesses);
            EXPECT_EQ(row.misses, level.misses);
            EXPECT_EQ(row.compulsory, level.compulsory);
            EXPECT_EQ(row.capacityMisses, level.capacity);
            EXPECT_EQ(row.conflict, level.conflict);
        }
    }
}

} // namespace
