#include "lab/level_spec.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>

namespace {

constexpr std::string_view keyNames[] = {"size", "line", "ways", "policy", "write", "allocate", "hit", "level"};
constexpr std::string_view policyNames[] = {"fifo", "lru", "random", "plru", "lfu", "opt"};
constexpr LevelKey typedKeys[] = {LevelKey::Size,  LevelKey::Line,     LevelKey::Ways, LevelKey::Policy,
                                  LevelKey::Write, LevelKey::Allocate, LevelKey::Hit};

std::optional<std::uint64_t> parseWhole(std::string_view text) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// Bytes, with K or M (either case) for 1024 or 1024 x 1024.
std::optional<std::uint64_t> parseBytes(std::string_view text) {
    std::uint64_t unit = 1;
    if (!text.empty() && (text.back() == 'K' || text.back() == 'k' || text.back() == 'M' || text.back() == 'm')) {
        unit = text.back() == 'K' || text.back() == 'k' ? 1024 : 1024 * 1024;
        text.remove_suffix(1);
    }
    const std::optional<std::uint64_t> count = parseWhole(text);
    if (!count || *count > std::numeric_limits<std::uint64_t>::max() / unit) {
        return std::nullopt;
    }
    return *count * unit;
}

// Reads value into the key's field of level; the fault's kind when it cannot.
std::optional<SpecFaultKind> applyValue(LevelKey key, std::string_view value, LevelConfig& level) {
    switch (key) {
    case LevelKey::Size:
    case LevelKey::Line: {
        const std::optional<std::uint64_t> bytes = parseBytes(value);
        if (!bytes) {
            return SpecFaultKind::BadSize;
        }
        (key == LevelKey::Size ? level.capacity : level.line) = *bytes;
        return std::nullopt;
    }
    case LevelKey::Ways: {
        const std::optional<std::uint64_t> ways = parseWhole(value);
        level.fullyAssociative = value == "full";
        level.ways = ways.value_or(level.ways);
        return ways || level.fullyAssociative ? std::nullopt : std::optional(SpecFaultKind::BadWays);
    }
    case LevelKey::Policy: {
        const auto* found = std::find(std::begin(policyNames), std::end(policyNames), value);
        if (found == std::end(policyNames)) {
            return SpecFaultKind::BadPolicy;
        }
        level.policy = static_cast<LabPolicy>(found - std::begin(policyNames));
        return std::nullopt;
    }
    case LevelKey::Write:
        level.write = value == "through" ? WriteRule::Through : WriteRule::Back;
        return value == "back" || value == "through" ? std::nullopt : std::optional(SpecFaultKind::BadWrite);
    case LevelKey::Allocate:
        level.allocate = value != "no";
        return value == "yes" || value == "no" ? std::nullopt : std::optional(SpecFaultKind::BadAllocate);
    case LevelKey::Hit: {
        const std::optional<std::uint64_t> cycles = parseWhole(value);
        level.hitCycles = cycles.value_or(level.hitCycles);
        return cycles ? std::nullopt : std::optional(SpecFaultKind::BadCycles);
    }
    default:
        return SpecFaultKind::UnknownKey;
    }
}

std::optional<LevelKey> typedKey(std::string_view name) {
    for (const LevelKey key : typedKeys) {
        if (levelKeyName(key) == name) {
            return key;
        }
    }
    return std::nullopt;
}

unsigned keyBit(LevelKey key) { return 1u << static_cast<unsigned>(key); }

// The keys of each level whose text had a fault: checkHierarchy's faults of those keys are left out.
struct FaultyKeys {
    std::vector<unsigned> bits;
    bool has(const LevelFault& fault) const {
        return fault.level < static_cast<int>(bits.size()) &&
               (bits[static_cast<std::size_t>(fault.level)] & keyBit(fault.key)) != 0;
    }
};

} // namespace

std::string_view levelKeyName(LevelKey key) { return keyNames[static_cast<std::size_t>(key)]; }

std::string_view policyName(LabPolicy policy) { return policyNames[static_cast<std::size_t>(policy)]; }

ParsedLevel parseLevelSpec(std::string_view spec, int level) {
    ParsedLevel parsed;
    unsigned given = 0;
    while (!spec.empty()) {
        const std::size_t comma = std::min(spec.find(','), spec.size());
        const std::string_view item = spec.substr(0, comma);
        spec.remove_prefix(std::min(comma + 1, spec.size()));
        if (item.empty()) {
            continue;
        }
        const std::size_t equals = item.find('=');
        const std::string_view name = item.substr(0, equals);
        const std::string_view value = equals == std::string_view::npos ? std::string_view() : item.substr(equals + 1);
        const auto fault = [&](SpecFaultKind kind) {
            parsed.faults.push_back({level, std::string(name), std::string(value), kind, LevelFaultKind::NoLevels});
        };
        const std::optional<LevelKey> key = typedKey(name);
        if (!key) {
            fault(SpecFaultKind::UnknownKey);
        } else if (equals == std::string_view::npos || value.empty()) {
            fault(SpecFaultKind::MissingValue);
        } else if ((given & keyBit(*key)) != 0) {
            fault(SpecFaultKind::RepeatedKey);
        } else if (const std::optional<SpecFaultKind> bad = applyValue(*key, value, parsed.level)) {
            fault(*bad);
        }
        given |= key ? keyBit(*key) : 0;
    }
    const LevelConfig& shape = parsed.level;
    if (shape.line != 0 && shape.capacity / shape.line > maxLevelLines) {
        parsed.faults.push_back({level, "size", std::to_string(shape.capacity), SpecFaultKind::TooManyLines,
                                 LevelFaultKind::NoLevels});
    }
    return parsed;
}

BuiltHierarchy buildHierarchy(std::span<const std::string_view> specs, std::uint64_t memoryCycles,
                              std::uint64_t seed) {
    BuiltHierarchy built;
    built.config.memoryCycles = memoryCycles;
    built.config.seed = seed;
    FaultyKeys faulty;
    const std::string_view noSpec;
    const std::span<const std::string_view> levels = specs.empty() ? std::span(&noSpec, 1) : specs;
    for (std::size_t index = 0; index < levels.size(); ++index) {
        ParsedLevel parsed = parseLevelSpec(levels[index], static_cast<int>(index));
        unsigned bits = 0;
        for (LevelSpecFault& fault : parsed.faults) {
            const std::optional<LevelKey> key = typedKey(fault.key);
            bits |= key ? keyBit(*key) : 0;
            built.faults.push_back(std::move(fault));
        }
        faulty.bits.push_back(bits);
        built.config.levels.push_back(parsed.level);
    }
    for (const LevelFault& fault : checkHierarchy(built.config)) {
        if (!faulty.has(fault)) {
            built.faults.push_back({fault.level, std::string(levelKeyName(fault.key)), {}, SpecFaultKind::Hierarchy,
                                    fault.kind});
        }
    }
    std::stable_sort(built.faults.begin(), built.faults.end(),
                     [](const LevelSpecFault& a, const LevelSpecFault& b) { return a.level < b.level; });
    return built;
}
