#include "lab/sweep_sets.h"

#include <bit>
#include <cstddef>

SweepSets::SweepSets(std::uint64_t sets, std::uint32_t depth, bool everyRequestAllocates)
    : setMask_(sets - 1), depth_(depth), levels_(static_cast<std::uint32_t>(std::bit_width(depth))),
      byPlace_(everyRequestAllocates), lines_(static_cast<std::size_t>(sets * depth)),
      counts_(static_cast<std::size_t>(sets), 0) {
    if (!byPlace_) {
        lineLevels_.assign(lines_.size(), 0);
    }
}

std::uint32_t SweepSets::request(std::uint64_t line, bool allocates) {
    const auto set = static_cast<std::size_t>(line & setMask_);
    std::uint64_t* lines = lines_.data() + set * depth_;
    if (byPlace_) {
        return requestByPlace(lines, counts_[set], line);
    }
    return requestByLevel(lines, lineLevels_.data() + set * depth_, counts_[set], line, allocates);
}

// Under allocation the list is every cache's LRU stack: place p is held from 2^bit_width(p) ways on.
std::uint32_t SweepSets::requestByPlace(std::uint64_t* lines, std::uint32_t& count, std::uint64_t line) {
    std::uint32_t place = 0;
    while (place < count && lines[place] != line) {
        ++place;
    }
    const std::uint32_t level = place < count ? static_cast<std::uint32_t>(std::bit_width(place)) : levels_;
    if (place == count) {
        count += count < depth_ ? 1 : 0;
        place = count - 1; // a new place at the end, or the last line's
    }
    for (std::uint32_t i = place; i > 0; --i) {
        lines[i] = lines[i - 1];
    }
    lines[0] = line;
    return level;
}

std::uint32_t SweepSets::requestByLevel(std::uint64_t* lines, std::uint8_t* levels, std::uint32_t& count,
                                        std::uint64_t line, bool allocates) {
    std::uint32_t place = 0;
    while (place < count && lines[place] != line) {
        ++place;
    }
    const bool absent = place == count;
    const std::uint32_t level = absent ? levels_ : levels[place];
    if (!allocates && absent) {
        return level;
    }
    if (allocates) {
        // Each cache of 2^j ways that misses and is full loses its last line to the next cache.
        for (std::uint32_t j = 0; j < level; ++j) {
            std::uint32_t held = 0;
            std::uint32_t last = count;
            for (std::uint32_t i = 0; i < count; ++i) {
                if (i != place && levels[i] <= j) {
                    ++held;
                    last = i;
                }
            }
            if (held == (std::uint32_t{1} << j)) {
                ++levels[last];
            }
        }
        if (absent && count > 0 && levels[count - 1] == levels_) {
            --count; // out of the largest cache too
        }
    }
    if (absent) {
        place = count++;
    }
    const std::uint8_t kept = allocates ? 0 : levels[place];
    for (std::uint32_t i = place; i > 0; --i) {
        lines[i] = lines[i - 1];
        levels[i] = levels[i - 1];
    }
    lines[0] = line;
    levels[0] = kept;
    return level;
}
