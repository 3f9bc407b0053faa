#pragma once

#include "config/cache_config.h"
#include "config/capacities.h"
#include "engine/address_fields.h"
#include "engine/simulation_state.h"

#include <algorithm>
#include <cstdint>

// The bookkeeping every mapping step shares. The functions a step calls for each access are defined here, so
// that a step and the loop of a sequence compile into one piece of code: a run makes a hundred of them.

// The blocks a step may use: all of the cache (associative) or one set (set-associative).
struct CandidateRange {
    int first = 0;
    int count = 0;
};

// cacheBlockCount, kept within the 16 slots of a snapshot.
inline int usedBlockCount() {
    return std::clamp(cacheConfig.cacheBlockCount, 0, cacheBlockCapacity);
}

// The cache after the step with trace index t.
inline CacheSnapshot& snapshotAt(int t) {
    return simulationState.snapshots[slot(t)];
}

// Copies the first n blocks of one snapshot into another; the slots beyond keep what they hold.
void copySnapshot(const CacheSnapshot& from, CacheSnapshot& to, int n);

// Carries the cache state of trace index t - 1 forward to t, before each step of a sequence. Does nothing for
// t <= 0: step 0 starts from the reset snapshot.
void copySnapshot(int t);

// The whole snapshot of trace index t - 1 copied to t, for t > 0. Within a sequence, which starts from the
// reset, the slots beyond the cache are empty in both, so this equals copySnapshot(t) without reading t
// first: the reset before a sequence may leave the snapshots this overwrites as they are. Copied array by
// array, which compilers turn into a few vector moves, where one copy of the whole record becomes a slow
// string move.
inline void carryWholeSnapshot(int t) {
    const CacheSnapshot& from = snapshotAt(t - 1);
    CacheSnapshot& to = snapshotAt(t);
    to.lruRow = from.lruRow;
    to.blockTag = from.blockTag;
    to.loadStep = from.loadStep;
    to.useStep = from.useStep;
    to.blockState = from.blockState;
    to.blockColor = from.blockColor;
}

// Records a use of block b in the LRU matrix of a cache of n blocks: its row gets every bit, its column none.
// A block outside the cache changes nothing.
inline void updateLruMatrix(CacheSnapshot& cache, int b, int n) {
    if (b < 0 || b >= n) {
        return;
    }
    const std::uint32_t column = std::uint32_t{1} << (n - 1 - b);
    for (int i = 0; i < n; ++i) {
        cache.lruRow[slot(i)] &= ~column;
    }
    cache.lruRow[slot(b)] = lowBitsMask(static_cast<std::uint32_t>(n)) & ~column;
}

// The same in snapshots[t], for the cache's block count.
void updateLruMatrix(int b, int t);

// Every filled block among the first n turns light blue: an eviction shows for one step only.
inline void recolourFilledBlocks(CacheSnapshot& cache, int n) {
    for (int b = 0; b < n; ++b) {
        const bool filled = cache.blockState[slot(b)] != BlockState::Empty;
        cache.blockColor[slot(b)] = filled ? filledBlockColor : cache.blockColor[slot(b)];
    }
}

// The first block of the range that holds tag, or -1.
inline int findHit(const CacheSnapshot& cache, CandidateRange range, std::uint32_t tag) {
    for (int b = range.first; b < range.first + range.count; ++b) {
        if (cache.blockTag[slot(b)] == tag && cache.blockState[slot(b)] != BlockState::Empty) {
            return b;
        }
    }
    return -1;
}

// The first empty block of the range, or -1.
inline int findFreeBlock(const CacheSnapshot& cache, CandidateRange range) {
    for (int b = range.first; b < range.first + range.count; ++b) {
        if (cache.blockState[slot(b)] == BlockState::Empty) {
            return b;
        }
    }
    return -1;
}

// The block filled longest ago (smallest loadStep, lowest number on a tie).
inline int fifoVictim(const CacheSnapshot& cache, CandidateRange range, std::uint32_t simulationStep) {
    // Every filled block was loaded at a step up to the current one, so the bound is beaten at once.
    int victim = range.first;
    std::uint32_t oldest = simulationStep + 1;
    for (int b = range.first; b < range.first + range.count; ++b) {
        if (cache.loadStep[slot(b)] < oldest) {
            oldest = cache.loadStep[slot(b)];
            victim = b;
        }
    }
    return victim;
}

// The least recently used block (smallest LRU row, then smallest loadStep, then lowest number).
inline int lruVictim(const CacheSnapshot& cache, CandidateRange range) {
    int victim = range.first;
    for (int b = range.first + 1; b < range.first + range.count; ++b) {
        const std::uint32_t row = cache.lruRow[slot(b)];
        const std::uint32_t bestRow = cache.lruRow[slot(victim)];
        if (row < bestRow || (row == bestRow && cache.loadStep[slot(b)] < cache.loadStep[slot(victim)])) {
            victim = b;
        }
    }
    return victim;
}

// A hit on block h at step: it stays or becomes Loaded and light blue; its loadStep is kept.
inline void applyHit(CacheSnapshot& cache, int h, std::uint32_t step) {
    cache.useStep[slot(h)] = step;
    cache.blockState[slot(h)] = BlockState::Loaded;
    cache.blockColor[slot(h)] = filledBlockColor;
}

// Fills block v with tag at step: Loaded and light blue (a free block) or Replaced and light pink (a victim).
// The LRU matrix is left to the caller, since direct mapping keeps none.
inline void fillBlock(CacheSnapshot& cache, int v, std::uint32_t step, std::uint32_t tag, BlockState state) {
    cache.loadStep[slot(v)] = step;
    cache.useStep[slot(v)] = step;
    cache.blockTag[slot(v)] = tag;
    cache.blockState[slot(v)] = state;
    cache.blockColor[slot(v)] = state == BlockState::Replaced ? evictedBlockColor : filledBlockColor;
}
