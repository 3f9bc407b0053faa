#pragma once

#include "lab/line_table.h"

#include <cstdint>

// The lines a level has ever been asked for, which tell its compulsory misses: a bit per line in words of 64
// neighbouring lines, so that a walk through memory keeps coming back to the same word.
class SeenLines {
  public:
    // Whether line is asked for the first time; from now on it is seen.
    bool firstRequest(std::uint64_t line) {
        bool inserted = false;
        std::uint64_t& word = words_.findOrInsert(line >> 6, 0, inserted);
        const std::uint64_t bit = std::uint64_t{1} << (line & 63);
        const bool first = (word & bit) == 0;
        word |= bit;
        return first;
    }

  private:
    LineMap<std::uint64_t> words_;
};
