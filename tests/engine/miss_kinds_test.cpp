#include "engine/miss_kinds.h"

#include "core_state.h"
#include "dialog/dialog_buttons.h"
#include "engine/simulation_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

class MissKindsTest : public ::testing::Test {
  protected:
    void SetUp() override { startFromStartup(); }
};

// 1 MB of RAM, 16 KB of cache in 4096-byte blocks: 4 cache blocks, in 2 sets when set-associative. An address
// is its RAM block times 4096.
ConfigSetup fourBlocks(MappingMethod mapping, ReplacementPolicy policy = ReplacementPolicy::Lru,
                       WorkMode mode = WorkMode::GivenSequence) {
    return ConfigSetup{.blockBytes = 4096,
                       .mapping = mapping,
                       .policy = policy,
                       .mode = mode,
                       .sets = 2,
                       .iterations = mode == WorkMode::GivenSequence ? 1 : 0};
}

// The kinds of the ten accesses as letters: '.' a hit, 'C' compulsory, 'P' capacity, 'X' conflict.
std::string kindsOfTenBlocks(const ConfigSetup& setup, std::initializer_list<std::uint32_t> blocks) {
    std::vector<std::uint32_t> addresses;
    for (const std::uint32_t block : blocks) {
        addresses.push_back(block * 4096 + 12);
    }
    DialogFields fields = dialogFieldsFor(setup);
    for (std::size_t i = 0; i < addresses.size(); ++i) {
        fields.addresses[i] = std::to_string(addresses[i]);
    }
    pressSetareMod(fields);
    EXPECT_EQ(cacheConfig.configErrors, 0u);
    pressStartSimulation();
    std::string letters;
    for (std::size_t i = 0; i < addresses.size(); ++i) {
        letters += ".CPX"[static_cast<std::size_t>(missKinds.kind[i])];
    }
    return letters;
}

// RAM blocks 6 2 3 7 3 5 6 2 6 3. The fully associative LRU cache of 4 blocks misses 6 2 3 7, hits 3, loses 6
// to 5, 2 to 6, 7 to 2, then hits 6 and 3. First accesses: steps 1-4 and 6 (block 5).
// - direct, cache block = RAM block mod 4: every access but the last misses; 3 at step 5 and 6 at step 9
//   miss only for sharing a cache block (conflict), 6 and 2 at steps 7 and 8 would miss anyway (capacity);
// - associative LRU is that very cache: its misses are compulsory or capacity, never conflict;
// - associative FIFO: 5 6 2 evict 6 2 3, so 3 at step 10 misses where LRU keeps it: a conflict;
// - set-associative LRU in 2 sets: set 1 takes 3 7, 5 evicts 7, and only the first accesses miss;
// - set-associative FIFO: 5 evicts 3, the older, so the last 3 misses by conflict.
TEST_F(MissKindsTest, TheSameAccessesUnderEveryMethodLoseTheirConflictMissesWhenFullyAssociative) {
    const std::initializer_list<std::uint32_t> blocks{6, 2, 3, 7, 3, 5, 6, 2, 6, 3};
    EXPECT_EQ(kindsOfTenBlocks(fourBlocks(MappingMethod::Direct), blocks), "CCCCXCPPX.");
    EXPECT_EQ(kindsOfTenBlocks(fourBlocks(MappingMethod::Associative), blocks), "CCCC.CPP..");
    EXPECT_EQ(kindsOfTenBlocks(fourBlocks(MappingMethod::Associative, ReplacementPolicy::Fifo), blocks),
              "CCCC.CPP.X");
    EXPECT_EQ(kindsOfTenBlocks(fourBlocks(MappingMethod::SetAssociative), blocks), "CCCC.C....");
    EXPECT_EQ(kindsOfTenBlocks(fourBlocks(MappingMethod::SetAssociative, ReplacementPolicy::Fifo), blocks),
              "CCCC.C...X");
}

// A loop over 5 blocks on 4: LRU always evicts the block the loop needs next, so after the first pass every
// access misses by capacity. Direct mapping puts 0 and 4 in cache block 0 and keeps 1 2 3: only 0 and 4 miss
// again, and a fully associative LRU cache would have missed them too.
TEST_F(MissKindsTest, ALoopOverMoreBlocksThanTheCacheHoldsMissesByCapacity) {
    const std::initializer_list<std::uint32_t> loop{0, 1, 2, 3, 4, 0, 1, 2, 3, 4};
    EXPECT_EQ(kindsOfTenBlocks(fourBlocks(MappingMethod::Associative), loop), "CCCCCPPPPP");
    EXPECT_EQ(kindsOfTenBlocks(fourBlocks(MappingMethod::Direct), loop), "CCCCCP...P");
}

// The page string 1 2 3 4 1 2 5 1 2 3 on four blocks. LRU: 5 evicts 3, 3 evicts 4: six misses, the last one
// by capacity. FIFO: 5 evicts 1, then 1 evicts 2, 2 evicts 3, 3 evicts 4: eight misses; LRU would have kept 1
// and 2 (conflict) but not 3 (capacity).
TEST_F(MissKindsTest, ThePageStringOnFourBlocksUnderFifoAndLru) {
    const std::initializer_list<std::uint32_t> pages{1, 2, 3, 4, 1, 2, 5, 1, 2, 3};
    EXPECT_EQ(kindsOfTenBlocks(fourBlocks(MappingMethod::Associative, ReplacementPolicy::Lru), pages),
              "CCCC..C..P");
    EXPECT_EQ(kindsOfTenBlocks(fourBlocks(MappingMethod::Associative, ReplacementPolicy::Fifo), pages),
              "CCCC..CXXP");
}

MissKind individualKind(const ConfigSetup& setup, std::uint32_t block) {
    runWith(setup, {block * 4096});
    return missKinds.kind[0];
}

// Direct individual runs on blocks 0, 4, 0: the third misses because 4 took cache block 0, which a fully
// associative cache of 4 blocks would not have done. Whatever empties the cache empties the history: the
// next access to block 0 is a first one again.
TEST_F(MissKindsTest, IndividualRunsAreClassifiedOverTheRunsSinceTheLastReset) {
    const ConfigSetup direct =
        fourBlocks(MappingMethod::Direct, ReplacementPolicy::Fifo, WorkMode::Individual);
    EXPECT_EQ(individualKind(direct, 0), MissKind::Compulsory);
    EXPECT_EQ(individualKind(direct, 4), MissKind::Compulsory);
    EXPECT_EQ(individualKind(direct, 0), MissKind::Conflict);
    EXPECT_EQ(individualKind(direct, 0), MissKind::None);

    pressExit();
    EXPECT_EQ(individualKind(direct, 0), MissKind::Compulsory);
    ConfigSetup largerBlocks = direct;
    largerBlocks.blockBytes = 8192; // another geometry: "Pas simulare" 1 again
    EXPECT_EQ(individualKind(largerBlocks, 0), MissKind::Compulsory);

    EXPECT_EQ(kindsOfTenBlocks(fourBlocks(MappingMethod::Direct), {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
              "C.........");
    EXPECT_EQ(individualKind(direct, 0), MissKind::Compulsory) << "a sequence ran between";
}

// Random sequences, among them one drawn for 4096 MB and replayed on 1 MB, whose addresses lie beyond the RAM
// and lose their high bits in the tag: the kinds follow the blocks as the cache files them, so associative
// LRU, which is the reference cache itself, never misses by conflict, its compulsory misses are its distinct
// tags, and every miss has a kind.
TEST_F(MissKindsTest, AssociativeLruNeverMissesByConflictAndEveryMissHasAKind) {
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        startFromStartup(seed);
        ConfigSetup random{.ramMb = 4096,
                           .cacheKb = 64,
                           .blockBytes = 8192,
                           .mapping = MappingMethod::Direct,
                           .mode = WorkMode::RandomSequence,
                           .iterations = 100};
        runWith(random, {});
        random.ramMb = 1;
        random.blockBytes = seed % 2 == 0 ? 8192 : 16384;
        for (const MappingMethod mapping : {MappingMethod::Associative, MappingMethod::Direct}) {
            random.mapping = mapping;
            random.policy = ReplacementPolicy::Lru;
            runWith(random, {});
            // An associative tag is the block as the cache files it: each first one is a compulsory miss.
            const std::set<std::uint32_t> tags(simulationState.tagValue.begin(),
                                               simulationState.tagValue.end());
            if (mapping == MappingMethod::Associative) {
                EXPECT_EQ(std::count(missKinds.kind.begin(), missKinds.kind.end(), MissKind::Compulsory),
                          static_cast<std::ptrdiff_t>(tags.size()))
                    << seed;
            }
            for (std::size_t s = 0; s < stepCapacity; ++s) {
                const bool missed = simulationState.missFlag[s] == missOutcome;
                EXPECT_EQ(missed, missKinds.kind[s] != MissKind::None) << seed << " step " << s;
                if (mapping == MappingMethod::Associative) {
                    EXPECT_NE(missKinds.kind[s], MissKind::Conflict) << seed << " step " << s;
                }
            }
        }
    }
}

} // namespace
