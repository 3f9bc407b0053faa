#pragma once

#include "config/capacities.h"
#include "engine/simulation_state.h"

#include <array>
#include <cstdint>
#include <vector>

// Why an access missed, in the three kinds of the textbooks; None for a hit.
enum class MissKind : std::int32_t { None = 0, Compulsory = 1, Capacity = 2, Conflict = 3 };

// What the accesses since the cache was last emptied leave for the kinds of the next ones: the RAM blocks
// accessed, sorted, and a fully associative LRU cache of as many blocks as the simulated one, fed the same
// accesses and kept with the engine's own bookkeeping (its tags are RAM blocks).
struct MissKindHistory {
    std::vector<std::uint32_t> accessedBlocks;
    CacheSnapshot lruCache;
    std::uint32_t lruSteps = 0;
};

// The kind of every miss of the last run, computed beside the simulation state from the same accesses, which
// it leaves as it is. An access misses compulsorily when its RAM block was not accessed since the cache was
// last emptied; otherwise by capacity when the fully associative LRU cache of the history misses too;
// otherwise by conflict (its placement, or the replacement policy, lost a block that cache would have kept).
// An individual run is classified over the individual runs since the last reset; a sequence run always starts
// afresh. A RAM block is the address without its word field, within the RAM's address bits, as the cache
// files it.
struct MissKinds {
    std::array<MissKind, stepCapacity> kind{}; // indexed like missFlag; None for a hit
    MissKindHistory history;
};

extern MissKinds missKinds;

// Classifies the accesses of the run that runSimulation has just made, from cacheConfig and simulationState:
// a first step ("Pas simulare" 1) or a sequence empties the history first. START SIMULARE calls it after
// every run, so that the history of the individual runs is never missing one. Safe for any content of the
// records.
void classifyMisses();
