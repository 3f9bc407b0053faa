#pragma once

#include <cstddef>

// Fixed capacities of the simulator, used wherever an array or a loop depends on them.
inline constexpr int stepCapacity = 100;      // simulation steps of one run (trace indices 0..99)
inline constexpr int cacheBlockCapacity = 16; // block slots of one cache snapshot
inline constexpr int addressFieldCount = 10;  // address fields of the Configuration dialog
// Passes over the given addresses that fit in one run.
inline constexpr int givenSequencePassCapacity = stepCapacity / addressFieldCount;

// Array index of a block number, trace index or column, which the simulator counts in int.
constexpr std::size_t slot(int index) {
    return static_cast<std::size_t>(index);
}
