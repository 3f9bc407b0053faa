#pragma once

#include <cstdint>
#include <vector>

// The caches of one number of sets with 1, 2, 4 ... depth ways under LRU, all at once: per set its lines most
// recent first, each with the fewest ways that hold it as a power of two (its level: the line is in the
// caches of 2^level ways and more). A cache of more ways holds every line of one of fewer, and the lines of
// each cache are used in the same order, so one list tells every cache's victim: the last line it holds.
// When every request allocates, a line's level is its place in the list; a write that allocates nothing,
// hitting in the larger caches only, is followed by keeping the levels apart.
class SweepSets {
  public:
    SweepSets(std::uint64_t sets, std::uint32_t depth, bool everyRequestAllocates);

    // One request; returns the level from which on it hits (levels() when it misses everywhere).
    std::uint32_t request(std::uint64_t line, bool allocates);
    std::uint32_t levels() const { return levels_; }

  private:
    std::uint32_t requestByPlace(std::uint64_t* lines, std::uint32_t& count, std::uint64_t line);
    std::uint32_t requestByLevel(std::uint64_t* lines, std::uint8_t* levels, std::uint32_t& count,
                                 std::uint64_t line, bool allocates);

    std::uint64_t setMask_ = 0;
    std::uint32_t depth_ = 1;
    std::uint32_t levels_ = 1;
    bool byPlace_ = true;
    std::vector<std::uint64_t> lines_;   // sets x depth, most recent first
    std::vector<std::uint8_t> lineLevels_; // beside lines_, when kept apart
    std::vector<std::uint32_t> counts_;  // lines held per set
};
