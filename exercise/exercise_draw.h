#pragma once

#include "config/cache_config.h"
#include "config/capacities.h"
#include "dialog/dialog_fields.h"

#include <array>
#include <cstdint>

// One exercise: a configuration from the admissible lists and the ten addresses of a given sequence run once,
// with the dialog's fields that ask for exactly that run.
struct Exercise {
    std::uint64_t seed = 0;
    std::int32_t ramSizeMb = 0;
    std::int32_t cacheSizeKb = 0;
    std::int32_t blockSizeBytes = 0;
    std::int32_t cacheBlockCount = 0;
    MappingMethod mapping = MappingMethod::Direct;
    std::int32_t policy = noSelection; // a ReplacementPolicy; none for direct mapping
    std::int32_t setCount = 0;         // 0 unless set-associative
    std::array<std::uint32_t, addressFieldCount> addresses{};
    DialogFields fields; // "secventa data", 1 iteration, the sets field "0" unless set-associative
};

// Draws exercise number seed with the exercise generator (exercise_random.h), in this order:
// 1. the mapping method, one of directa, asociativa, asociativa pe seturi; the policy, FIFO or LRU, unless
//    direct;
// 2. the cache's shape, as blocks and blocks of a set: direct 2, 4, 8 or 16 blocks; associative 2 or 4; set-
//    associative 4 in 2 sets, 8 in 2 or 4, 16 in 4 or 8 (sets of 2 or 4 blocks: at most 5 RAM blocks make a
//    set overflow, which ten accesses show);
// 3. the cache size among those whose block size is admissible, then the RAM size among those at least 16
//    times the cache that hold at most 524288 blocks;
// 4. the addresses: one set (a cache block under direct mapping, the whole cache under associative) receives
//    one RAM block more than it holds; 1 to 3 other RAM blocks anywhere join them; nine accesses take each of
//    these RAM blocks once and the rest from all of them, shuffled; the access at a drawn place is repeated
//    right after it, at another word.
// So every exercise has a miss (the first access), a hit (the repeated access) and a replacement (the set
// cannot hold its RAM blocks), and its configuration validates.
Exercise drawExercise(std::uint64_t seed);
