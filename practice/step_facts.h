#pragma once

#include "config/capacities.h"

#include <array>
#include <cstdint>

// What one cache block held just before an access.
struct BlockBefore {
    bool filled = false;
    std::uint32_t tag = 0;
    std::uint32_t loadStep = 0; // the step (from 1) that put its RAM block there: FIFO's order
    std::uint32_t lastUse = 0;  // the last step (from 1) that hit or filled it, 0 for none: LRU's age
};

// What an access of a given sequence found and did, beyond its answers: the blocks it could use (its cache
// block under direct mapping, its set, or the whole cache) as they stood before it, the block it hit or
// filled, and under LRU when the candidate used longest ago was last used. Read from the engine's records of
// the run, as the explanation of the access tells them.
struct StepFacts {
    std::uint32_t ramBlock = 0;
    int firstBlock = 0;
    int blockCount = 0;
    std::array<BlockBefore, cacheBlockCapacity> before{}; // indexed by cache block, the range's filled in
    int usedBlock = -1;                                   // the block hit or filled
    std::uint32_t leastRecentUse = 0;                     // LRU's age of the block it would evict
};

// The facts of every access of the given sequence run once that solveExercise has just made: the records
// must still hold that run.
std::array<StepFacts, addressFieldCount> readStepFacts();
