#include "practice/step_explanation.h"

#include "core_state.h"
#include "dialog/dialog_buttons.h"
#include "exercise/exercise_draw.h"
#include "practice/practice_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <vector>

namespace {

class StepExplanation : public ::testing::Test {
  protected:
    void SetUp() override { startFromStartup(); }
};

// The explanations of ten accesses to RAM blocks (each at word 12) on 1 MB of RAM and 16 KB of cache in
// 4096-byte blocks: 4 cache blocks, in 2 sets when set-associative.
std::vector<std::string> explanations(MappingMethod mapping, ReplacementPolicy policy,
                                      std::initializer_list<std::uint32_t> blocks) {
    DialogFields fields =
        dialogFieldsFor(ConfigSetup{.blockBytes = 4096,
                                    .mapping = mapping,
                                    .policy = policy,
                                    .mode = WorkMode::Individual,
                                    .sets = mapping == MappingMethod::SetAssociative ? 2 : 0});
    std::size_t i = 0;
    for (const std::uint32_t block : blocks) {
        fields.addresses[i++] = std::to_string(block * 4096 + 12);
    }
    PracticeSession session;
    std::string error;
    EXPECT_TRUE(startFieldsPractice(session, fields, error)) << error;
    return {session.explanations.begin(), session.explanations.end()};
}

// The page string of the README on 4 blocks under FIFO: 1 2 3 4 fill the cache, 1 2 hit, 5 evicts 1 (loaded
// first), 1 evicts 2, 2 evicts 3 and 3 evicts 4; an LRU cache of 4 blocks would have kept 1 and 2.
TEST_F(StepExplanation, FifoNamesTheSetItsTagsTheBlockLoadedFirstAndTheKind) {
    const std::vector<std::string> why =
        explanations(MappingMethod::Associative, ReplacementPolicy::Fifo, {1, 2, 3, 4, 1, 2, 5, 1, 2, 3});
    EXPECT_EQ(why[0], "Tag-ul 1 nu e in cache (blocurile 0-3 sunt goale); blocul 0 e liber si il primeste: "
                      "miss obligatoriu (primul acces la blocul RAM 1).");
    EXPECT_EQ(why[3],
              "Tag-ul 4 nu e in cache (blocurile 0-3 tin 1, 2, 3, -); blocul 3 e liber si il primeste: "
              "miss obligatoriu (primul acces la blocul RAM 4).");
    EXPECT_EQ(why[4], "Tag-ul 1 e in cache (blocurile 0-3 tin 1, 2, 3, 4), in blocul 0: hit.");
    EXPECT_EQ(why[6],
              "Tag-ul 5 nu e in cache (blocurile 0-3 tin 1, 2, 3, 4), care e plin: FIFO inlocuieste "
              "blocul 0, incarcat cel mai demult (la pasul 1): miss obligatoriu (primul acces la blocul "
              "RAM 5).");
    EXPECT_EQ(why[7],
              "Tag-ul 1 nu e in cache (blocurile 0-3 tin 5, 2, 3, 4), care e plin: FIFO inlocuieste "
              "blocul 1, incarcat cel mai demult (la pasul 2): miss de conflict (un cache asociativ LRU "
              "de 4 blocuri l-ar fi pastrat).");
    EXPECT_EQ(why[9], "Tag-ul 3 nu e in cache (blocurile 0-3 tin 5, 1, 2, 4), care e plin: FIFO inlocuieste "
                      "blocul 3, incarcat cel mai demult (la pasul 4): miss de capacitate (ar fi miss si "
                      "intr-un cache asociativ LRU de 4 blocuri).");
}

// The README's blocks 6 2 3 7 3 5 6 2 6 3 in 2 sets of 2: set 1 holds 3 (tag 1, block 2, loaded at step 3 and
// used at step 5) and 7 (tag 3, block 3, loaded and last used at step 4) when 5 (tag 2) arrives.
TEST_F(StepExplanation, SetAssociativeNamesTheSetAndLruAgeOrFifoOrderChoosesTheVictim) {
    const std::vector<std::string> lru =
        explanations(MappingMethod::SetAssociative, ReplacementPolicy::Lru, {6, 2, 3, 7, 3, 5, 6, 2, 6, 3});
    EXPECT_EQ(lru[0], "Tag-ul 3 nu e in setul 0 (blocurile 0-1 sunt goale); blocul 0 e liber si il primeste: "
                      "miss obligatoriu (primul acces la blocul RAM 6).");
    EXPECT_EQ(lru[1], "Tag-ul 1 nu e in setul 0 (blocurile 0-1 tin 3, -); blocul 1 e liber si il primeste: "
                      "miss obligatoriu (primul acces la blocul RAM 2).");
    EXPECT_EQ(lru[4], "Tag-ul 1 e in setul 1 (blocurile 2-3 tin 1, 3), in blocul 2: hit.");
    EXPECT_EQ(lru[5],
              "Tag-ul 2 nu e in setul 1 (blocurile 2-3 tin 1, 3), care e plin: LRU inlocuieste blocul 3, "
              "folosit cel mai demult (la pasul 4): miss obligatoriu (primul acces la blocul RAM 5).");
    EXPECT_EQ(lru[9], "Tag-ul 1 e in setul 1 (blocurile 2-3 tin 1, 2), in blocul 2: hit.");

    const std::vector<std::string> fifo =
        explanations(MappingMethod::SetAssociative, ReplacementPolicy::Fifo, {6, 2, 3, 7, 3, 5, 6, 2, 6, 3});
    EXPECT_EQ(fifo[5],
              "Tag-ul 2 nu e in setul 1 (blocurile 2-3 tin 1, 3), care e plin: FIFO inlocuieste blocul "
              "2, incarcat cel mai demult (la pasul 3): miss obligatoriu (primul acces la blocul RAM 5).");
    EXPECT_EQ(fifo[9],
              "Tag-ul 1 nu e in setul 1 (blocurile 2-3 tin 2, 3), care e plin: FIFO inlocuieste blocul "
              "3, incarcat cel mai demult (la pasul 4): miss de conflict (un cache asociativ LRU de 4 "
              "blocuri l-ar fi pastrat).");
}

// The same blocks mapped directly, block = RAM block mod 4 and tag = RAM block / 4: 6 and 2 take turns in
// block 2, 3 and 7 in block 3.
TEST_F(StepExplanation, DirectMappingNamesTheBlockAndTheTagItHeld) {
    const std::vector<std::string> why =
        explanations(MappingMethod::Direct, ReplacementPolicy::Fifo, {6, 2, 3, 7, 3, 5, 6, 2, 6, 3});
    EXPECT_EQ(why[0], "Blocul 2 e gol: miss obligatoriu (primul acces la blocul RAM 6).");
    EXPECT_EQ(why[1], "Blocul 2 tine tag-ul 1, nu 0: miss obligatoriu (primul acces la blocul RAM 2); blocul "
                      "RAM 2 ii ia locul.");
    EXPECT_EQ(why[4],
              "Blocul 3 tine tag-ul 1, nu 0: miss de conflict (un cache asociativ LRU de 4 blocuri l-ar "
              "fi pastrat); blocul RAM 3 ii ia locul.");
    EXPECT_EQ(why[6],
              "Blocul 2 tine tag-ul 0, nu 1: miss de capacitate (ar fi miss si intr-un cache asociativ "
              "LRU de 4 blocuri); blocul RAM 6 ii ia locul.");
    EXPECT_EQ(why[9], "Blocul 3 tine tag-ul 0: hit.");
}

// The facts an explanation cites are read from the run, not worked out: over many exercises, the block the
// engine replaced is the one of its set loaded first (FIFO) or used longest ago (LRU) in those facts, and the
// block a hit names holds the access's tag.
TEST_F(StepExplanation, TheCitedOrderAndAgeAreThoseTheEngineChoseBy) {
    int replacements = 0;
    for (std::uint64_t seed = 0; seed < 300; ++seed) {
        const Exercise exercise = drawExercise(seed);
        const ExerciseKey key = solveExercise(exercise);
        const std::array<StepFacts, addressFieldCount> facts = readStepFacts();
        for (std::size_t t = 0; t < facts.size(); ++t) {
            const StepFacts& step = facts[t];
            const ExerciseAccess& access = key.accesses[t];
            ASSERT_GE(step.usedBlock, step.firstBlock) << seed << " " << t;
            ASSERT_LT(step.usedBlock, step.firstBlock + step.blockCount) << seed << " " << t;
            if (access.hit) {
                EXPECT_TRUE(step.before[slot(step.usedBlock)].filled);
                EXPECT_EQ(step.before[slot(step.usedBlock)].tag, access.tag);
            }
            if (access.replacedBlock < 0 || exercise.mapping == MappingMethod::Direct) {
                continue;
            }
            ++replacements;
            const auto range = std::span(step.before).subspan(slot(step.firstBlock), slot(step.blockCount));
            const BlockBefore& victim = step.before[slot(access.replacedBlock)];
            for (const BlockBefore& block : range) {
                ASSERT_TRUE(block.filled);
                if (exercise.policy == toInt(ReplacementPolicy::Lru)) {
                    EXPECT_LE(victim.lastUse, block.lastUse) << seed << " " << t;
                } else {
                    EXPECT_LE(victim.loadStep, block.loadStep) << seed << " " << t;
                }
            }
            EXPECT_EQ(step.usedBlock, access.replacedBlock);
        }
    }
    EXPECT_GT(replacements, 300);
}

} // namespace
