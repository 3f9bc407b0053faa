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

// The cache after the step with trace index t.
CacheSnapshot& snapshotAt(int t);

// Copies the first n blocks of one snapshot into another; the slots beyond keep what they hold.
void copySnapshot(const CacheSnapshot& from, CacheSnapshot& to, int n);

// Carries the cache state of trace index t - 1 forward to t, before each step of a sequence. Does nothing for
// t <= 0: step 0 starts from the reset snapshot.
void copySnapshot(int t);

// Records a use of block b in the LRU matrix of a cache of n blocks: its row gets every bit, its column none.
// A block outside the cache changes nothing.
void updateLruMatrix(CacheSnapshot& cache, int b, int n);

// The same in snapshots[t], for the cache's block count.
void updateLruMatrix(int b, int t);

// Every filled block among the first n turns light blue: an eviction shows for one step only.
void recolourFilledBlocks(CacheSnapshot& cache, int n);

// The first block of the range that holds tag, or -1.
int findHit(const CacheSnapshot& cache, CandidateRange range, std::uint32_t tag);

// The first empty block of the range, or -1.
int findFreeBlock(const CacheSnapshot& cache, CandidateRange range);

// The block filled longest ago (smallest loadStep, lowest number on a tie).
int fifoVictim(const CacheSnapshot& cache, CandidateRange range, std::uint32_t simulationStep);

// The least recently used block (smallest LRU row, then smallest loadStep, then lowest number).
int lruVictim(const CacheSnapshot& cache, CandidateRange range);

// A hit on block h: it stays or becomes Loaded and light blue; its loadStep is kept.
void applyHit(CacheSnapshot& cache, int h);

// Fills block v with tag at step: Loaded and light blue (a free block) or Replaced and light pink (a victim).
// The LRU matrix is left to the caller, since direct mapping keeps none.
void fillBlock(CacheSnapshot& cache, int v, std::uint32_t step, std::uint32_t tag, BlockState state);
