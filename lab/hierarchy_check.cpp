#include "lab/hierarchy_config.h"

#include <cstddef>

namespace {

bool isPowerOfTwo(std::uint64_t value) { return value != 0 && (value & (value - 1)) == 0; }

void checkLevel(const HierarchyConfig& config, int index, std::vector<LevelFault>& faults) {
    const LevelConfig& level = config.levels[static_cast<std::size_t>(index)];
    const auto fault = [&](LevelKey key, LevelFaultKind kind) { faults.push_back({index, key, kind}); };
    if (!isPowerOfTwo(level.line)) fault(LevelKey::Line, LevelFaultKind::LineNotPowerOfTwo);
    if (!level.fullyAssociative && level.ways == 0) fault(LevelKey::Ways, LevelFaultKind::WaysZero);
    if (index > 0 && level.line < config.levels[static_cast<std::size_t>(index - 1)].line)
        fault(LevelKey::Line, LevelFaultKind::LineSmallerThanAbove);
    if (level.policy == LabPolicy::Plru && !level.fullyAssociative && !isPowerOfTwo(level.ways))
        fault(LevelKey::Policy, LevelFaultKind::PlruWaysNotPowerOfTwo);
    if (!isPowerOfTwo(level.line) || (!level.fullyAssociative && level.ways == 0)) return;

    if (level.capacity == 0 || level.capacity % level.line != 0) {
        fault(LevelKey::Size, LevelFaultKind::CapacityNotPowerOfTwoMultiple);
        return;
    }
    const std::uint64_t lines = level.capacity / level.line;
    const std::uint64_t ways = level.fullyAssociative ? lines : level.ways;
    if (ways > lines) {
        fault(LevelKey::Ways, LevelFaultKind::MoreWaysThanLines);
    } else if (lines % ways != 0) {
        fault(LevelKey::Size, LevelFaultKind::CapacityNotPowerOfTwoMultiple);
    } else if (!isPowerOfTwo(lines / ways)) {
        fault(LevelKey::Size, LevelFaultKind::SetsNotPowerOfTwo);
    }
    // A fully associative level has as many ways as lines, known only once the capacity is sound.
    if (level.policy == LabPolicy::Plru && level.fullyAssociative && !isPowerOfTwo(ways))
        fault(LevelKey::Policy, LevelFaultKind::PlruWaysNotPowerOfTwo);
}

} // namespace

std::vector<LevelFault> checkHierarchy(const HierarchyConfig& config) {
    std::vector<LevelFault> faults;
    if (config.levels.empty()) faults.push_back({0, LevelKey::Level, LevelFaultKind::NoLevels});
    const int count = static_cast<int>(config.levels.size());
    for (int index = 0; index < count && index < maxLabLevels; ++index) checkLevel(config, index, faults);
    if (count > maxLabLevels) faults.push_back({maxLabLevels, LevelKey::Level, LevelFaultKind::TooManyLevels});
    return faults;
}

std::uint64_t levelLines(const LevelConfig& level) { return level.capacity / level.line; }

std::uint64_t levelWays(const LevelConfig& level) {
    return level.fullyAssociative ? levelLines(level) : level.ways;
}

std::uint64_t levelSets(const LevelConfig& level) { return levelLines(level) / levelWays(level); }
