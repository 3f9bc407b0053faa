#pragma once

#include <cstdint>

// Runs the work mode of cacheConfig, which must have validated: decides whether the previous run's state
// survives, derives cacheBlockCount, builds the address sequence and feeds it to the mapping step.
void runSimulation();

// The accesses a run in the work mode of cacheConfig simulates: 1 for an individual run, the ten given
// addresses once, or 100 (a random sequence, or the given addresses repeated, whatever the iteration count);
// 0 without a work mode.
int simulatedAccessCount();

// Draws a new random sequence of 100 addresses, all in one quarter of the address space of addressBits bits,
// into simulationState.randomSequence. Consumes exactly 401 random numbers.
void drawRandomSequence(std::uint32_t addressBits);
