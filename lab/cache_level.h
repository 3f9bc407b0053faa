#pragma once

#include "lab/hierarchy_config.h"
#include "lab/line_table.h"
#include "lab/replacement_policies.h"
#include "lab/victim_tree.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

// What one request did at one level.
struct LevelAccess {
    bool hit = false;
    bool filled = false; // a miss that brought the line in
    bool evicted = false;
    bool victimDirty = false;
    std::uint64_t victimLine = 0; // line number (address / line size) of the victim
};

// The next request of a line at its level, for opt: a request index, or never.
inline constexpr std::uint32_t neverAgain = ~std::uint32_t{0};

// One cache level: its lines in flat arrays of sets x ways, no record per line. A set fills its ways in order
// and a line never leaves but as a victim, so the ways in use are always the first filled[set]. A set of up
// to narrowWays ways is searched way by way; a wider one finds its lines through a table and its victims
// through a tournament. The policy is a template argument, so the chosen one compiles into the loop.
class CacheLevel {
  public:
    static constexpr std::uint32_t narrowWays = 16;

    CacheLevel(const LevelConfig& config, std::uint64_t seed);

    template <LabPolicy P> LevelAccess access(std::uint64_t line, bool write, std::uint32_t nextUse);
    LevelAccess accessAny(std::uint64_t line, bool write, std::uint32_t nextUse); // by the level's policy

    const LevelConfig& config() const { return config_; }
    unsigned lineShift() const { return lineShift_; }
    std::uint64_t lineOf(std::uint64_t address) const { return address >> lineShift_; }
    std::uint64_t setOf(std::uint64_t line) const { return line & setMask_; }
    std::uint64_t tagOf(std::uint64_t line) const { return setBits_ >= 64 ? 0 : line >> setBits_; }
    std::uint64_t dirtyLines() const;

    // A request of the line the last access used, still held: a hit that changes nothing under a policy
    // whose order it keeps (fifo, lru, random, plru) but the dirty bit of a write under write-back.
    static constexpr bool repeatsFreely(LabPolicy policy) {
        return policy == LabPolicy::Fifo || policy == LabPolicy::Lru || policy == LabPolicy::Random ||
               policy == LabPolicy::Plru;
    }
    bool writesBack() const { return writeBack_; }
    void repeatLastLine(bool write) { dirty_[lastSlot_] |= static_cast<std::uint8_t>(write ? 1 : 0); }

  private:
    std::size_t slotOf(std::uint64_t set, std::uint32_t way) const {
        return static_cast<std::size_t>(set * ways_ + way);
    }
    std::uint32_t findWay(std::uint64_t set, std::uint64_t line);
    template <LabPolicy P> bool better(std::size_t a, std::size_t b) const;
    template <LabPolicy P> void rank(std::uint64_t set, std::uint32_t way);
    template <LabPolicy P> void use(std::uint64_t set, std::uint32_t way, std::uint32_t nextUse);
    template <LabPolicy P> std::uint32_t victim(std::uint64_t set);
    template <LabPolicy P> std::uint32_t placeFor(std::uint64_t set, std::uint64_t line, LevelAccess& result);

    static constexpr std::uint32_t missing = ~std::uint32_t{0};
    static constexpr std::uint32_t wayGroup = 8; // the ways a narrow search compares at once

    LevelConfig config_;
    std::uint32_t ways_ = 1;
    std::uint64_t sets_ = 1;
    std::uint64_t setMask_ = 0;
    unsigned setBits_ = 0;
    unsigned lineShift_ = 0;
    bool wide_ = false;
    bool writeBack_ = true;
    std::vector<std::uint64_t> lines_;
    std::vector<std::uint32_t> filled_; // per set
    std::vector<std::uint8_t> dirty_;
    std::vector<std::uint64_t> lastUse_; // lru, lfu
    std::vector<std::uint64_t> uses_;    // lfu
    std::vector<std::uint32_t> nextUse_; // opt
    std::vector<std::uint32_t> hand_;    // fifo: the way filled earliest, per set
    std::vector<std::uint8_t> plru_;     // plru: ways bytes per set, the first unused
    LineTable index_;                    // wide: line -> slot
    VictimTree tree_;                    // wide lru, lfu, opt
    std::uint64_t clock_ = 0;
    std::uint64_t random_ = 0;
    std::size_t lastSlot_ = 0; // the slot the last access used
};

inline std::uint32_t CacheLevel::findWay(std::uint64_t set, std::uint64_t line) {
    if (wide_) {
        const std::uint32_t* slot = index_.find(line);
        return slot == nullptr ? missing : static_cast<std::uint32_t>(*slot - set * ways_);
    }
    // The filled ways compared a group at a time, the matches gathered in a mask: the same steps whichever
    // way holds the line, so that no branch waits on where it is. A group may read past the set's filled ways
    // (into the next set, or the padding after the last), which the mask leaves out. A line is in one way
    // at most.
    const std::uint64_t* ways = lines_.data() + slotOf(set, 0);
    const std::uint32_t count = filled_[static_cast<std::size_t>(set)];
    std::uint32_t matches = 0;
    for (std::uint32_t group = 0; group < count; group += wayGroup) {
        const std::uint64_t* inGroup = ways + group;
        std::uint32_t groupMatches = 0;
        for (std::uint32_t way = 0; way < wayGroup; ++way) { // a constant count: unrolled, shifts fixed
            groupMatches |= static_cast<std::uint32_t>(inGroup[way] == line) << way;
        }
        matches |= groupMatches << group;
    }
    matches &= (std::uint32_t{1} << count) - 1; // count <= narrowWays < 32
    return matches == 0 ? missing : static_cast<std::uint32_t>(std::countr_zero(matches));
}

// Whether the line in slot a is a better victim than the one in slot b (a tie keeps b, the lower way).
template <LabPolicy P> bool CacheLevel::better(std::size_t a, std::size_t b) const {
    if constexpr (P == LabPolicy::Lfu) {
        return uses_[a] < uses_[b] || (uses_[a] == uses_[b] && lastUse_[a] < lastUse_[b]);
    } else if constexpr (P == LabPolicy::Opt) {
        return nextUse_[a] > nextUse_[b];
    } else {
        return lastUse_[a] < lastUse_[b];
    }
}

template <LabPolicy P> void CacheLevel::rank(std::uint64_t set, std::uint32_t way) {
    if constexpr (P == LabPolicy::Lru || P == LabPolicy::Lfu || P == LabPolicy::Opt) {
        if (wide_) {
            const std::size_t base = slotOf(set, 0);
            tree_.update(set, way, [this, base](std::uint32_t a, std::uint32_t b) {
                return better<P>(base + a, base + b);
            });
        }
    }
}

// A hit or a fill of way: the line's use as its policy counts it.
template <LabPolicy P> void CacheLevel::use(std::uint64_t set, std::uint32_t way, std::uint32_t nextUse) {
    const std::size_t slot = slotOf(set, way);
    if constexpr (P == LabPolicy::Lru || P == LabPolicy::Lfu) {
        lastUse_[slot] = ++clock_;
    }
    if constexpr (P == LabPolicy::Lfu) {
        ++uses_[slot];
    }
    if constexpr (P == LabPolicy::Opt) {
        nextUse_[slot] = nextUse;
    }
    if constexpr (P == LabPolicy::Plru) {
        pointPlruAway(plru_.data() + slotOf(set, 0), ways_, way);
    }
    rank<P>(set, way);
}

// The way to replace in a full set.
template <LabPolicy P> std::uint32_t CacheLevel::victim(std::uint64_t set) {
    if constexpr (P == LabPolicy::Fifo) {
        return hand_[static_cast<std::size_t>(set)];
    } else if constexpr (P == LabPolicy::Random) {
        return static_cast<std::uint32_t>(drawBelowBound(random_, ways_));
    } else if constexpr (P == LabPolicy::Plru) {
        return followPlru(plru_.data() + slotOf(set, 0), ways_);
    } else {
        if (wide_) {
            return tree_.winner(set);
        }
        const std::size_t base = slotOf(set, 0);
        std::uint32_t chosen = 0;
        if constexpr (P == LabPolicy::Lru) {
            // The least recent use, kept in a register as the ways go by.
            const std::uint64_t* uses = lastUse_.data() + base;
            std::uint64_t oldest = uses[0];
            for (std::uint32_t way = 1; way < ways_; ++way) {
                chosen = uses[way] < oldest ? way : chosen;
                oldest = uses[way] < oldest ? uses[way] : oldest;
            }
            return chosen;
        }
        for (std::uint32_t way = 1; way < ways_; ++way) {
            chosen = better<P>(base + way, base + chosen) ? way : chosen;
        }
        return chosen;
    }
}

// The way a missing line goes to: the first empty one, else the policy's victim, which result records.
template <LabPolicy P>
std::uint32_t CacheLevel::placeFor(std::uint64_t set, std::uint64_t line, LevelAccess& result) {
    std::uint32_t& count = filled_[static_cast<std::size_t>(set)];
    std::uint32_t way = count;
    if (count < ways_) {
        ++count;
    } else {
        way = victim<P>(set);
        const std::size_t slot = slotOf(set, way);
        result.evicted = true;
        result.victimLine = lines_[slot];
        result.victimDirty = dirty_[slot] != 0;
        if constexpr (P == LabPolicy::Fifo) {
            hand_[static_cast<std::size_t>(set)] = way + 1 == ways_ ? 0 : way + 1;
        }
        if (wide_) {
            index_.erase(result.victimLine);
        }
    }
    const std::size_t slot = slotOf(set, way);
    lines_[slot] = line;
    if (wide_) {
        bool inserted = false;
        index_.findOrInsert(line, static_cast<std::uint32_t>(slot), inserted);
    }
    if constexpr (P == LabPolicy::Lfu) {
        uses_[slot] = 0; // the fill's use makes it 1
    }
    return way;
}

template <LabPolicy P> LevelAccess CacheLevel::access(std::uint64_t line, bool write, std::uint32_t nextUse) {
    LevelAccess result;
    const std::uint64_t set = line & setMask_;
    std::uint32_t way = findWay(set, line);
    result.hit = way != missing;
    if (!result.hit) {
        if (write && !config_.allocate) {
            return result;
        }
        way = placeFor<P>(set, line, result);
        result.filled = true;
    }
    use<P>(set, way, nextUse);
    lastSlot_ = slotOf(set, way);
    std::uint8_t& dirty = dirty_[lastSlot_];
    // In bits, not branches: whether a request writes is as unforeseeable as whether it hits.
    dirty = static_cast<std::uint8_t>((static_cast<unsigned>(write) & static_cast<unsigned>(writeBack_)) |
                                      (static_cast<unsigned>(result.hit) & static_cast<unsigned>(dirty != 0)));
    return result;
}
