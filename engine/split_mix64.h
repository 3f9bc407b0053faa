#pragma once

#include <cstdint>

// One step of SplitMix64: the state advances by 0x9e3779b97f4a7c15 and the new state, mixed, is the number
// drawn. Plain 64-bit integer arithmetic, so a seed gives the same numbers in every build and on every machine.
constexpr std::uint64_t nextSplitMix64(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}
