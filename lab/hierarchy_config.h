#pragma once

#include <cstdint>
#include <vector>

// What a student asks the laboratory to model: one to three cache levels, from L1 down, then main memory.
// A plain value; checkHierarchy says whether it can be built.

enum class LabPolicy : std::uint8_t { Fifo, Lru, Random, Plru, Lfu, Opt };
enum class WriteRule : std::uint8_t { Back, Through };

struct LevelConfig {
    std::uint64_t capacity = 32 * 1024; // bytes
    std::uint64_t line = 64;            // bytes, a power of two
    std::uint64_t ways = 8;             // ignored when fullyAssociative
    bool fullyAssociative = false;
    LabPolicy policy = LabPolicy::Lru;
    WriteRule write = WriteRule::Back;
    bool allocate = true; // a write miss fetches the line
    std::uint64_t hitCycles = 4;
};

constexpr int maxLabLevels = 3;

struct HierarchyConfig {
    std::vector<LevelConfig> levels; // L1 first
    std::uint64_t memoryCycles = 100;
    std::uint64_t seed = 1; // of each level's generator under the random policy
};

// Why a level cannot be built. A fault names its level (0 for L1; for TooManyLevels the first level too many)
// and the key of the level's specification it concerns; the texts are the front-ends' own.
enum class LevelFaultKind : std::uint8_t {
    CapacityNotPowerOfTwoMultiple, // capacity zero, or not a whole number of sets of ways of lines
    LineNotPowerOfTwo,
    SetsNotPowerOfTwo,
    WaysZero,
    MoreWaysThanLines,
    PlruWaysNotPowerOfTwo,
    LineSmallerThanAbove,
    TooManyLevels,
    NoLevels,
};

enum class LevelKey : std::uint8_t { Size, Line, Ways, Policy, Write, Allocate, Hit, Level };

struct LevelFault {
    int level = 0;
    LevelKey key = LevelKey::Size;
    LevelFaultKind kind = LevelFaultKind::SetsNotPowerOfTwo;
};

// Every fault of the configuration at once, in level order; empty when it can be built.
std::vector<LevelFault> checkHierarchy(const HierarchyConfig& config);

// Derived shape of a valid level.
std::uint64_t levelLines(const LevelConfig& level);
std::uint64_t levelWays(const LevelConfig& level); // the number of lines when fully associative
std::uint64_t levelSets(const LevelConfig& level);
