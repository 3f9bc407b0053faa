#pragma once

#include <cstdint>

// Runs the work mode of cacheConfig, which must have validated: decides whether the previous run's state
// survives, derives cacheBlockCount, builds the address sequence and feeds it to the mapping step.
void runSimulation();

// Draws a new random sequence of 100 addresses, all in one quarter of the address space of addressBits bits,
// into simulationState.randomSequence. Consumes exactly 401 random numbers.
void drawRandomSequence(std::uint32_t addressBits);
