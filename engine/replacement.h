#pragma once

#include "config/cache_config.h"
#include "engine/simulation_state.h"

#include <cstdint>

// The blocks a step may use: all of the cache (associative) or one set (set-associative).
struct CandidateRange {
    int first = 0;
    int count = 0;
};

// cacheBlockCount, kept within the 16 slots of a snapshot.
int usedBlockCount();

// Carries the cache state of trace index t - 1 forward to t, before each step of a sequence. Does nothing for
// t <= 0: step 0 starts from the reset snapshot.
void copySnapshot(int t);

// Records a use of block b in the LRU matrix of snapshots[t]: its row gets every bit, its column none.
void updateLruMatrix(int b, int t);

// Every filled block of snapshots[t] turns light blue: an eviction shows for one step only.
void recolourFilledBlocks(int t);

// The first block of the range that holds tag, or -1.
int findHit(const CacheSnapshot& cache, CandidateRange range, std::uint32_t tag);

// The first empty block of the range, or -1.
int findFreeBlock(const CacheSnapshot& cache, CandidateRange range);

// The block filled longest ago (smallest loadStep, lowest number on a tie).
int fifoVictim(const CacheSnapshot& cache, CandidateRange range, std::uint32_t simulationStep);

// The least recently used block (smallest LRU row, then smallest loadStep, then lowest number).
int lruVictim(const CacheSnapshot& cache, CandidateRange range);

// A hit on block h: it stays or becomes Loaded and light blue; its loadStep is kept.
void applyHit(int h, int t);

// Fills block v with tag at the current step, as Loaded (a free block) or Replaced (a victim).
void fillBlock(int v, int t, std::uint32_t tag, BlockState state);
