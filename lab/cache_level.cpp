#include "lab/cache_level.h"

#include <bit>

CacheLevel::CacheLevel(const LevelConfig& config, std::uint64_t seed)
    : config_(config), ways_(static_cast<std::uint32_t>(levelWays(config))), sets_(levelSets(config)),
      setMask_(sets_ - 1), setBits_(static_cast<unsigned>(std::countr_zero(sets_))),
      lineShift_(static_cast<unsigned>(std::countr_zero(config.line))), wide_(ways_ > narrowWays),
      writeBack_(config.write == WriteRule::Back), random_(seed) {
    const auto lines = static_cast<std::size_t>(sets_ * ways_);
    lines_.assign(lines + wayGroup, 0); // a group of ways may read past the last set
    filled_.assign(static_cast<std::size_t>(sets_), 0);
    dirty_.assign(lines, 0);
    const LabPolicy policy = config.policy;
    if (policy == LabPolicy::Lru || policy == LabPolicy::Lfu) {
        lastUse_.assign(lines, 0);
    }
    if (policy == LabPolicy::Lfu) {
        uses_.assign(lines, 0);
    }
    if (policy == LabPolicy::Opt) {
        nextUse_.assign(lines, 0);
    }
    if (policy == LabPolicy::Fifo) {
        hand_.assign(static_cast<std::size_t>(sets_), 0);
    }
    if (policy == LabPolicy::Plru) {
        plru_.assign(lines, 0);
    }
    if (wide_) {
        index_ = LineTable(lines);
        if (policy == LabPolicy::Lru || policy == LabPolicy::Lfu || policy == LabPolicy::Opt) {
            tree_ = VictimTree(sets_, ways_);
        }
    }
}

LevelAccess CacheLevel::accessAny(std::uint64_t line, bool write, std::uint32_t nextUse) {
    switch (config_.policy) {
    case LabPolicy::Fifo:
        return access<LabPolicy::Fifo>(line, write, nextUse);
    case LabPolicy::Lru:
        return access<LabPolicy::Lru>(line, write, nextUse);
    case LabPolicy::Random:
        return access<LabPolicy::Random>(line, write, nextUse);
    case LabPolicy::Plru:
        return access<LabPolicy::Plru>(line, write, nextUse);
    case LabPolicy::Lfu:
        return access<LabPolicy::Lfu>(line, write, nextUse);
    case LabPolicy::Opt:
        return access<LabPolicy::Opt>(line, write, nextUse);
    }
    return {};
}

std::uint64_t CacheLevel::dirtyLines() const {
    std::uint64_t count = 0;
    for (std::uint8_t dirty : dirty_) {
        count += dirty;
    }
    return count;
}
