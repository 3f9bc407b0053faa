#ifdef _WIN32
#define _CRT_RAND_S // declares rand_s in stdlib.h
#endif

#include "engine/random_source.h"

#include "engine/split_mix64.h"

#include <cstdlib>
#include <random>

namespace {

RandomGenerator installedGenerator = nullptr;
std::uint64_t deterministicState = 0;

std::uint32_t drawDeterministicNumber() {
    return static_cast<std::uint32_t>(nextSplitMix64(deterministicState) >> 32);
}

} // namespace

std::uint32_t drawSystemRandomNumber() {
#ifdef _WIN32
    unsigned int number = 0;
    rand_s(&number);
    return number;
#else
    static std::random_device device;
    return static_cast<std::uint32_t>(device());
#endif
}

std::uint32_t drawRandomNumber() {
    return installedGenerator != nullptr ? installedGenerator() : drawSystemRandomNumber();
}

void installRandomGenerator(RandomGenerator generator) {
    installedGenerator = generator;
}

void seedDeterministicRandom(std::uint64_t seed) {
    deterministicState = seed;
    installedGenerator = drawDeterministicNumber;
}
