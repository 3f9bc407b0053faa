#include "exercise/exercise_random.h"

#include "engine/split_mix64.h"

ExerciseRandom seededExerciseRandom(std::uint64_t seed) {
    return ExerciseRandom{seed};
}

std::uint32_t drawBelow(ExerciseRandom& random, std::uint32_t bound) {
    if (bound == 0) {
        return 0;
    }
    const std::uint64_t wide = bound;
    const std::uint64_t rejectedBelow = (0 - wide) % wide; // 2^64 mod bound: the numbers that would bias
    std::uint64_t x = nextSplitMix64(random.state);
    while (x < rejectedBelow) {
        x = nextSplitMix64(random.state);
    }
    return static_cast<std::uint32_t>(x % wide);
}
