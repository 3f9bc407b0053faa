#pragma once

#include "config/capacities.h"
#include "engine/miss_kinds.h"
#include "exercise/exercise_draw.h"

#include <array>
#include <cstdint>

// What the core answers for one access of an exercise.
struct ExerciseAccess {
    std::uint32_t address = 0;
    std::uint32_t tag = 0;
    std::uint32_t index = 0; // the cache block (direct) or the set (set-associative); unused when associative
    std::uint32_t word = 0;
    bool hit = false;
    int replacedBlock = -1; // the cache block whose RAM block this access evicted, or -1
    MissKind kind = MissKind::None;
};

// What a cache block holds after the last access.
struct ExerciseBlock {
    bool filled = false;
    std::uint32_t tag = 0;
};

// The key of an exercise, read from the records of its run through the dialog's buttons: nothing in it is
// worked out a second time.
struct ExerciseKey {
    bool valid = false; // the configuration validated and ran; never false for a drawn exercise
    std::uint32_t addressBits = 0;
    std::uint32_t tagBits = 0;
    std::uint32_t indexBits = 0; // block or set bits; 0 when associative
    std::uint32_t wordBits = 0;
    int cacheBlockCount = 0;
    int blocksPerSet = 1;
    std::array<ExerciseAccess, addressFieldCount> accesses{};
    std::array<ExerciseBlock, cacheBlockCapacity> finalCache{}; // the first cacheBlockCount entries
    int misses = 0;
};

// Presses "Setare mod" with the exercise's fields and START SIMULARE, and reads the key from the records,
// which then hold that run. Needs the name buffers allocated.
ExerciseKey solveExercise(const Exercise& exercise);
