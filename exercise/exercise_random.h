#pragma once

#include <cstdint>

// The generator that draws the exercise sheets, apart from the random source of the random sequences:
// SplitMix64 (engine/split_mix64.h) started from the sheet's number, so that a number gives the same sheet in
// every build, on every machine and in the web page. A number below a bound is drawn without bias: 64-bit
// numbers x are drawn until x >= 2^64 mod bound, and the first such x gives x mod bound.
struct ExerciseRandom {
    std::uint64_t state = 0;
};

ExerciseRandom seededExerciseRandom(std::uint64_t seed);

// A number from 0 to bound - 1; 0 when bound is 0.
std::uint32_t drawBelow(ExerciseRandom& random, std::uint32_t bound);
