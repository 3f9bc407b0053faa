#pragma once

#include <cstddef>

// Rewrites all 100 entries of simulationState.missRate from missFlag: entry s is the miss rate over the first
// s + 1 accesses. Entries beyond the run's length are computed too and never plotted.
void computeMissRate();

// The miss rate over s + 1 accesses, from the rate over the first s and the outcome of access s: the one step
// of the running mean, for whoever extends a series access by access.
double extendedMissRate(double rateBefore, std::size_t s, double outcome);

// The accesses the chart of a sequence run shows: the ten given addresses times the iteration count, or the
// iteration count of a random sequence. Kept within 1 to 100, so that every read stays inside the recorded
// accesses and a scale's divisor is never zero.
int chartedAccessCount();
