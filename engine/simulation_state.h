#pragma once

#include "config/capacities.h"

#include <array>
#include <cstdint>

enum class BlockState : std::int32_t { Empty = 0, Loaded = 1, Replaced = 2 };

// Cell colours of the cache panel, as Windows COLORREF values (0x00BBGGRR).
inline constexpr std::uint32_t emptyBlockColor = 0xffffff;  // white: never filled since the reset
inline constexpr std::uint32_t filledBlockColor = 0xe6d8ad; // light blue
inline constexpr std::uint32_t evictedBlockColor =
    0xc1b6ff; // light pink: its contents were evicted at this step

inline constexpr double hitOutcome = 0.0;
inline constexpr double missOutcome = 1.0;

// The state of every block slot after one step, indexed by cache block number.
struct CacheSnapshot {
    std::array<std::uint32_t, cacheBlockCapacity> lruRow{};
    std::array<std::uint32_t, cacheBlockCapacity> blockTag{};
    std::array<std::uint32_t, cacheBlockCapacity> loadStep{};
    // The step that last hit or filled each block, 0 for none: LRU's age in steps.
    std::array<std::uint32_t, cacheBlockCapacity> useStep{};
    std::array<BlockState, cacheBlockCapacity> blockState{};
    std::array<std::uint32_t, cacheBlockCapacity> blockColor{};

    bool operator==(const CacheSnapshot&) const = default;
};

// What one step looked up, and what it did: the blocks it could use (its one block under direct mapping, its
// set, or the whole cache), the block it hit or filled, the block whose RAM block it evicted, and under LRU
// the candidate used longest ago before it. A step that could use no block (only an unvalidated
// configuration makes one) leaves lastCandidate below firstCandidate and every block -1.
struct StepRecord {
    std::uint32_t tag = 0;
    std::uint32_t ramBlock = 0; // the address shifted right by wordBits, not masked
    int firstCandidate = 0;
    int lastCandidate = -1;
    int usedBlock = -1;
    int evictedBlock = -1;            // -1 when the step evicted nothing
    int leastRecentBlock = -1;        // -1 under FIFO and direct mapping
    std::uint32_t leastRecentUse = 0; // the step that last hit or filled it, 0 for never

    bool operator==(const StepRecord&) const = default;
};

// What the previous... fields hold when no reset is remembered; it never equals a real selection or size.
inline constexpr std::int32_t forgottenChoice = -2;

// Results of the last run and what the engine remembers between runs. Step s of a sequence writes trace index
// s; an individual run writes trace index 1 but its outcome to missFlag[0]. One instance serves the process.
struct SimulationState {
    std::int32_t previousMappingMethod = forgottenChoice;
    std::int32_t previousReplacementPolicy = forgottenChoice;
    std::int32_t previousWorkMode = forgottenChoice;
    // The cache geometry of the last reset: an individual run continues only on a cache of the same shape.
    std::int32_t previousCacheSizeKb = forgottenChoice;
    std::int32_t previousBlockSizeBytes = forgottenChoice;
    std::int32_t previousSetCount = forgottenChoice;
    std::int32_t regenerateRandomSequence = 1;
    std::int32_t blocksPerSet = 0;
    std::array<std::uint32_t, stepCapacity> randomSequence{};
    std::array<double, stepCapacity> missFlag{};
    std::array<double, stepCapacity> missRate{};
    std::array<std::uint32_t, stepCapacity> wordOffset{};
    std::array<std::uint32_t, stepCapacity> blockIndex{};
    std::array<std::uint32_t, stepCapacity> setIndex{};
    std::array<std::uint32_t, stepCapacity> tagValue{};
    std::uint32_t addressBits = 0;
    std::uint32_t wordBits = 0;
    std::uint32_t blockBits = 0;
    std::uint32_t setBits = 0;
    std::uint32_t tagBits = 0;
    std::int32_t simulationStep = 0;
    std::array<CacheSnapshot, stepCapacity> snapshots{};
    std::array<StepRecord, stepCapacity> stepRecords{};

    bool operator==(const SimulationState&) const = default;
};

extern SimulationState simulationState;

// Empties every snapshot, step record and outcome and restarts the step count. Touches nothing else.
void resetSimulationState();

// The same reset before a sequence of the given number of steps, except for snapshots 1 to steps - 1: the
// sequence overwrites each of them whole from the one before (carryWholeSnapshot) before it reads it, so
// emptying them first would only double the run's memory traffic.
void resetForSequence(int steps);

// Forgets the choices and geometry of the last reset and asks for a new random sequence, so that the next run
// starts from an empty cache whatever it is. Closing the Configuration dialog does this.
void forgetLastReset();
