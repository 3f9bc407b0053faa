#pragma once

#include "engine/split_mix64.h"

#include <cstdint>

// The pieces of the replacement policies that keep no per-line record: the tree of pseudo-LRU bits of one
// set, and the random policy's draw.

// Pseudo-LRU over a power-of-two number of ways: bits[1..ways-1] are the inner nodes of a binary tree in heap
// order, each pointing to the half that holds the victim (0 left, 1 right).
inline void pointPlruAway(std::uint8_t* bits, std::uint32_t ways, std::uint32_t way) {
    for (std::uint32_t node = ways + way; node > 1; node >>= 1) {
        bits[node >> 1] = (node & 1) == 0 ? 1 : 0;
    }
}

inline std::uint32_t followPlru(const std::uint8_t* bits, std::uint32_t ways) {
    std::uint32_t node = 1;
    while (node < ways) {
        node = 2 * node + bits[node];
    }
    return node - ways;
}

// A number from 0 to bound - 1 without bias, as the project's draws make it: 64-bit numbers are drawn until
// one is at least 2^64 mod bound, and that one gives its remainder.
inline std::uint64_t drawBelowBound(std::uint64_t& state, std::uint64_t bound) {
    const std::uint64_t rejectedBelow = (0 - bound) % bound;
    std::uint64_t x = nextSplitMix64(state);
    while (x < rejectedBelow) {
        x = nextSplitMix64(state);
    }
    return x % bound;
}
