#pragma once

#include <cstdint>

// The source of uniformly distributed 32-bit numbers behind the random address sequences. By default it is
// the operating system's cryptographic generator; a test or the text front-end may install a reproducible
// one.
using RandomGenerator = std::uint32_t (*)();

std::uint32_t drawRandomNumber();

// Installs a generator; nullptr restores the operating system's.
void installRandomGenerator(RandomGenerator generator);

// Installs a deterministic generator (SplitMix64) starting from seed.
void seedDeterministicRandom(std::uint64_t seed);

std::uint32_t drawSystemRandomNumber();
