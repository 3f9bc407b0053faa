#pragma once

#include "lab/hierarchy_config.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A level as a student types it: "size=32K,line=64,ways=8,policy=lru,write=back,allocate=yes,hit=4", sizes
// with K or M, "ways=full"; a key left out keeps LevelConfig's default. Every fault of every level is found
// at once, those of the text and those checkHierarchy finds in what it says.

// Most lines one level may hold: the model's bookkeeping grows with them.
inline constexpr std::uint64_t maxLevelLines = std::uint64_t{1} << 22;

enum class SpecFaultKind : std::uint8_t {
    UnknownKey,
    MissingValue,
    RepeatedKey,
    BadSize, // size or line
    BadCycles,
    BadWays,
    BadPolicy,
    BadWrite,
    BadAllocate,
    TooManyLines,
    Hierarchy, // checkHierarchy's fault, in hierarchy
};

struct LevelSpecFault {
    int level = 0;           // 0 for L1
    std::string key;         // as typed, or the key's name for the hierarchy's faults
    std::string value;       // as typed
    SpecFaultKind kind = SpecFaultKind::Hierarchy;
    LevelFaultKind hierarchy = LevelFaultKind::NoLevels;
};

struct BuiltHierarchy {
    HierarchyConfig config;
    std::vector<LevelSpecFault> faults; // in level order; the hierarchy can be built when empty
};

// One level's text; its faults name it as level.
struct ParsedLevel {
    LevelConfig level;
    std::vector<LevelSpecFault> faults;
};
ParsedLevel parseLevelSpec(std::string_view spec, int level);

// The levels from L1 down, one text each (none: L1 with the defaults). checkHierarchy's faults are added
// for the keys whose text read well.
BuiltHierarchy buildHierarchy(std::span<const std::string_view> specs, std::uint64_t memoryCycles,
                              std::uint64_t seed);

std::string_view levelKeyName(LevelKey key);
std::string_view policyName(LabPolicy policy);
