#pragma once

#include "startup_records.h" // startFromStartup, from which every input starts

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

// What the fuzz targets share: the records back at start-up, a seed taken from the input, and the loud
// failure of an invariant, which libFuzzer reports as a crash with the input that caused it.

// FNV-1a of the input: the random source's seed, so that one input always draws the same numbers.
std::uint64_t inputSeed(const std::uint8_t* data, std::size_t size);

// Prints what broke and stops the process.
[[noreturn]] inline void invariantBroken(const char* what, const std::string& detail = {}) {
    std::fprintf(stderr, "INVARIANT BROKEN: %s%s%s\n", what, detail.empty() ? "" : ": ", detail.c_str());
    std::fflush(stderr);
    std::abort();
}

#define FUZZ_CHECK(condition, detail)                                                                        \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            invariantBroken(#condition, detail);                                                             \
        }                                                                                                    \
    } while (false)
