#pragma once

// Rewrites all 100 entries of simulationState.missRate from missFlag: entry s is the miss rate over the first
// s + 1 accesses. Entries beyond the run's length are computed too and never plotted.
void computeMissRate();
