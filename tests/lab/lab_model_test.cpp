// The laboratory's model on hand-worked traces: each policy's victims, each write rule's traffic, the three
// kinds of misses, the requests between two levels in their order, and the faults of a hierarchy.

#include "lab_test_support.h"

#include "engine/split_mix64.h"
#include "lab/hierarchy_config.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

std::vector<TraceAccess> linesRead(const std::vector<std::uint64_t>& lines, std::uint64_t lineBytes) {
    std::vector<TraceAccess> accesses;
    for (std::uint64_t line : lines) {
        accesses.push_back(readOf(line * lineBytes));
    }
    return accesses;
}

std::vector<std::uint64_t> victimLines(const ModelRun& run, std::uint64_t lineBytes) {
    std::vector<std::uint64_t> victims;
    for (const LabStep& step : run.steps) {
        if (step.evicted) {
            victims.push_back(step.victimAddress / lineBytes);
        }
    }
    return victims;
}

TEST(LabModel, EachPolicyEvictsItsVictim) {
    // One set of four ways; lines 1..4 fill it, then 1, 1 and 2 hit, then 5, 3 and 6.
    const std::vector<std::uint64_t> lines{1, 2, 3, 4, 1, 1, 2, 5, 3, 6};
    struct Case {
        LabPolicy policy;
        std::vector<std::uint64_t> victims;
    };
    const Case cases[] = {
        {LabPolicy::Fifo, {1, 2}},      // filled earliest; 3 still hits
        {LabPolicy::Lru, {3, 4, 1}},    // least recently used
        {LabPolicy::Random, {2, 4}},    // ways 1 then 3: the first draws of seed 1, modulo 4
        {LabPolicy::Plru, {3, 1, 4}},   // following the tree's bits
        {LabPolicy::Lfu, {3, 4, 5}},    // fewest uses, the least recent of a tie
        {LabPolicy::Opt, {1, 5}},       // never again, the lowest way of a tie
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.policy));
        HierarchyConfig config;
        config.levels = {levelOf(64, 16, 4, c.policy)};
        EXPECT_EQ(victimLines(runModel(config, linesRead(lines, 16)), 16), c.victims);
    }
}

TEST(LabModel, EachWriteRuleSendsItsTraffic) {
    // Two lines of 16 bytes, direct mapped: 0x0 and 0x20 share set 0.
    const std::vector<TraceAccess> trace{writeOf(0x0, 4), readOf(0x4, 4), writeOf(0x20, 4), readOf(0x0, 4),
                                         writeOf(0x8, 4)};
    struct Case {
        WriteRule write;
        bool allocate;
        std::uint64_t writebacks, bytesIn, bytesOut, dirty, memoryReads, memoryWrites;
    };
    const Case cases[] = {
        {WriteRule::Back, true, 2, 48, 32, 1, 3, 2},
        {WriteRule::Back, false, 0, 16, 8, 1, 1, 2},
        {WriteRule::Through, true, 0, 48, 12, 0, 3, 3},
        {WriteRule::Through, false, 0, 16, 12, 0, 1, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.write == WriteRule::Back ? "back" : "through") << c.allocate);
        HierarchyConfig config;
        config.levels = {levelOf(32, 16, 1)};
        config.levels[0].write = c.write;
        config.levels[0].allocate = c.allocate;
        const LabSummary summary = runModel(config, trace).summary;
        const LevelSummary& l1 = summary.levels[0];
        const MemorySummary& memory = summary.memory;
        const std::vector<std::uint64_t> got{l1.hits, l1.misses, l1.writebacks, l1.bytesIn, l1.bytesOut, l1.dirtyAtEnd,
                                             memory.reads, memory.writes, memory.bytesRead, memory.bytesWritten};
        EXPECT_EQ(got, (std::vector<std::uint64_t>{2, 3, c.writebacks, c.bytesIn, c.bytesOut, c.dirty, c.memoryReads,
                                                   c.memoryWrites, c.bytesIn, c.bytesOut}));
        EXPECT_DOUBLE_EQ(summary.amat, 4 + 0.6 * 100);
    }
}

TEST(LabModel, ThreeKindsOfMissesOnTheTextbookString) {
    // Four lines, direct mapped: blocks 0 and 8 fight over set 0, then five blocks overflow the capacity.
    HierarchyConfig config;
    config.levels = {levelOf(64, 16, 1)};
    const ModelRun run = runModel(config, linesRead({0, 8, 0, 6, 8, 1, 2, 3, 0, 6, 3}, 16));
    using K = LabMissKind;
    const std::vector<K> expected{K::Compulsory, K::Compulsory, K::Conflict, K::Compulsory, K::Conflict,
                                  K::Compulsory, K::Compulsory, K::Compulsory, K::Capacity, K::Capacity, K::None};
    std::vector<K> kinds;
    for (const LabStep& step : run.steps) {
        kinds.push_back(step.kind);
    }
    EXPECT_EQ(kinds, expected);
    const LevelSummary& l1 = run.summary.levels[0];
    EXPECT_EQ(l1.compulsory + l1.capacity + l1.conflict, l1.misses);

    // Two lines, direct mapped: block 0 stays in set 0 after the shadow let it go for 3, so its hit puts it
    // back in the shadow, pushing 1 out: 1's miss is then one of capacity (runModel also compares the run
    // without steps, whose shortcut must not take 0 for a line the shadow still holds).
    config.levels = {levelOf(32, 16, 1)};
    EXPECT_EQ(runModel(config, linesRead({0, 1, 3, 0, 1}, 16)).summary.levels[0].capacity, 1u);
}

struct ExpectedStep {
    std::uint64_t step;
    int level;
    bool write;
    std::uint64_t line;
    bool hit;
    std::uint64_t victim; // 0: none
    bool writeback;
    bool operator==(const ExpectedStep&) const = default;
};

void expectSteps(const ModelRun& run, const std::vector<ExpectedStep>& expected) {
    std::vector<ExpectedStep> got;
    for (const LabStep& s : run.steps) {
        got.push_back({s.step, s.level, s.write, s.lineAddress, s.hit, s.evicted ? s.victimAddress : 0, s.victimDirty});
    }
    EXPECT_TRUE(got == expected);
}

HierarchyConfig twoLevels(WriteRule l1Write) {
    HierarchyConfig config;
    config.levels = {levelOf(32, 16, 1), levelOf(64, 32, 1)};
    config.levels[0].write = l1Write;
    config.levels[1].write = WriteRule::Through;
    return config;
}

TEST(LabModel, RequestsGoBelowInTheirOrder) {
    // Write-back: the fetch of the missing line, then the victim's write-back, which L2 takes as a write and
    // passes on; a modify spanning two lines reads then writes each.
    const ModelRun back = runModel(twoLevels(WriteRule::Back),
                                   {writeOf(0x0, 4), writeOf(0x20, 4), {0x1C, 8, AccessOp::Modify}});
    expectSteps(back, {{1, 0, true, 0x0, false, 0, false},
                       {1, 1, false, 0x0, false, 0, false},
                       {2, 0, true, 0x20, false, 0x0, true},
                       {2, 1, false, 0x20, false, 0, false},
                       {2, 1, true, 0x0, true, 0, false},
                       {3, 0, false, 0x10, false, 0, false},
                       {3, 1, false, 0x0, true, 0, false},
                       {3, 0, true, 0x10, true, 0, false},
                       {3, 0, false, 0x20, true, 0, false},
                       {3, 0, true, 0x20, true, 0, false}});
    EXPECT_EQ(back.summary.levels[1].demandRequests, 3u); // the write-back is traffic, not demand
    EXPECT_EQ(back.summary.memory.writes, 1u);
    EXPECT_EQ(back.summary.memory.bytesWritten, 16u); // L1's whole line, written through L2
    // Write-through: the fetch, then the written bytes.
    const ModelRun through = runModel(twoLevels(WriteRule::Through), {writeOf(0x4, 4)});
    expectSteps(through, {{1, 0, true, 0x0, false, 0, false},
                          {1, 1, false, 0x0, false, 0, false},
                          {1, 1, true, 0x0, true, 0, false}});
    EXPECT_EQ(through.summary.memory.bytesWritten, 4u);
}

// What the optimal policy does with one level's stream of requests, worked out the slow way: at a full set,
// the way whose line is requested again farthest ahead, or never.
void expectOptimal(const std::vector<LabStep>& stream, const LevelConfig& level) {
    const std::uint64_t sets = levelSets(level);
    const std::uint64_t ways = levelWays(level);
    std::vector<std::vector<std::uint64_t>> held(static_cast<std::size_t>(sets));
    for (std::size_t i = 0; i < stream.size(); ++i) {
        SCOPED_TRACE(i);
        const std::uint64_t line = stream[i].lineAddress;
        std::vector<std::uint64_t>& set = held[static_cast<std::size_t>(stream[i].set)];
        const bool hit = std::find(set.begin(), set.end(), line) != set.end();
        ASSERT_EQ(stream[i].hit, hit);
        if (hit || (stream[i].write && !level.allocate)) {
            continue;
        }
        if (set.size() < ways) {
            set.push_back(line);
            ASSERT_FALSE(stream[i].evicted);
            continue;
        }
        std::size_t victim = 0;
        std::size_t farthest = 0;
        for (std::size_t way = 0; way < set.size(); ++way) {
            std::size_t next = i + 1;
            while (next < stream.size() && stream[next].lineAddress != set[way]) {
                ++next;
            }
            if (next > farthest) {
                farthest = next;
                victim = way;
            }
        }
        ASSERT_TRUE(stream[i].evicted);
        ASSERT_EQ(stream[i].victimAddress, set[victim]);
        set[victim] = line;
    }
}

TEST(LabModel, OptEvictsTheLineWantedFarthestAhead) {
    std::uint64_t state = 11;
    for (int trial = 0; trial < 40; ++trial) {
        HierarchyConfig config;
        config.levels = {levelOf(256, 16, 2), levelOf(1024, 32, std::uint64_t{1} << (nextSplitMix64(state) % 6))};
        const auto opt = static_cast<std::size_t>(trial % 2);
        config.levels[opt].policy = LabPolicy::Opt;
        for (LevelConfig& level : config.levels) {
            level.write = nextSplitMix64(state) % 2 == 0 ? WriteRule::Back : WriteRule::Through;
            level.allocate = nextSplitMix64(state) % 2 == 0;
        }
        std::vector<TraceAccess> trace;
        for (int i = 0; i < 3000; ++i) {
            const std::uint64_t draw = nextSplitMix64(state);
            trace.push_back({(draw >> 8) % 4096, 4, static_cast<AccessOp>(draw % 3)});
        }
        const ModelRun run = runModel(config, trace);
        std::vector<LabStep> stream;
        for (const LabStep& step : run.steps) {
            if (step.level == static_cast<int>(opt)) {
                stream.push_back(step);
            }
        }
        expectOptimal(stream, config.levels[opt]);
    }
}

TEST(LabModel, CheckFindsEveryFaultOfEveryLevel) {
    struct Case {
        LevelConfig level;
        std::vector<LevelFaultKind> faults;
    };
    using F = LevelFaultKind;
    const Case cases[] = {
        {levelOf(12 * 1024, 64, 3), {}},                  // 64 sets of three ways
        {levelOf(12 * 1024, 64, 4), {F::SetsNotPowerOfTwo}}, // 48 sets
        {levelOf(1000, 64, 1), {F::CapacityNotPowerOfTwoMultiple}},
        {levelOf(256, 64, 8), {F::MoreWaysThanLines}},
        {levelOf(12 * 1024, 64, 3, LabPolicy::Plru), {F::PlruWaysNotPowerOfTwo}},
        {levelOf(0, 48, 0), {F::LineNotPowerOfTwo, F::WaysZero}},
    };
    for (const Case& c : cases) {
        HierarchyConfig config;
        config.levels = {c.level};
        std::vector<F> kinds;
        for (const LevelFault& fault : checkHierarchy(config)) {
            kinds.push_back(fault.kind);
        }
        EXPECT_EQ(kinds, c.faults);
    }
    EXPECT_EQ(checkHierarchy(HierarchyConfig{}).front().kind, F::NoLevels);
}

} // namespace

// Random hierarchies of every policy, write rule and width over a trace of interleaved walks, fed in chunks of
// random lengths: the shortcuts of a run without steps sum up what the run with every step sums up.
TEST(LabModel, QuietRunsInAnyChunksSumUpAsSteppedRuns) {
    std::uint64_t state = 24;
    auto draw = [&state](std::uint64_t bound) { return nextSplitMix64(state) % bound; };
    for (int round = 0; round < 60; ++round) {
        HierarchyConfig config;
        std::uint64_t capacity = std::uint64_t{64} << draw(6);
        std::uint64_t line = std::uint64_t{8} << draw(2);
        for (std::uint64_t levels = 1 + draw(3); levels > 0; --levels, capacity *= 4, line <<= draw(2)) {
            LevelConfig level = levelOf(capacity, line, std::uint64_t{1} << draw(6),
                                        static_cast<LabPolicy>(draw(6)));
            level.fullyAssociative = draw(5) == 0;
            level.write = draw(2) == 0 ? WriteRule::Back : WriteRule::Through;
            level.allocate = draw(3) != 0;
            level.ways = std::min(level.ways, capacity / level.line);
            config.levels.push_back(level);
        }
        // Three walks taking turns at random, as a program's data, stack and code do, each jumping now and then.
        std::vector<TraceAccess> trace;
        std::uint64_t walks[3] = {0, capacity, 2 * capacity};
        for (int i = 0; i < 3000; ++i) {
            std::uint64_t& address = walks[draw(3)];
            address = draw(8) == 0 ? draw(4 * capacity) : address + draw(8);
            const auto op = static_cast<AccessOp>(draw(3));
            trace.push_back({address, static_cast<std::uint32_t>(1 + draw(12)), op});
        }
        SCOPED_TRACE(round);
        ASSERT_TRUE(checkHierarchy(config).empty());
        const LabSummary stepped = runModel(config, trace).summary;
        LabRun chunked = startLabRun(config);
        for (std::size_t at = 0; at < trace.size();) {
            const auto count = std::min<std::size_t>(trace.size() - at, static_cast<std::size_t>(1 + draw(400)));
            feedLabRun(chunked, trace.data() + at, count);
            at += count;
        }
        const LabSummary quiet = finishLabRun(chunked);
        EXPECT_TRUE(quiet.levels == stepped.levels);
        EXPECT_EQ(quiet.traceAccesses, stepped.traceAccesses);
        EXPECT_EQ(quiet.memory.bytesRead, stepped.memory.bytesRead);
        EXPECT_EQ(quiet.memory.bytesWritten, stepped.memory.bytesWritten);
    }
}
