#pragma once

#include "engine/simulation_state.h"

#include <string>

// The texts of the panel cells.
std::string cacheCellLabel(const CacheSnapshot& cache, int block); // "3: 1234", or "0: NA" for an empty block
std::string ramBlockLabel(const StepRecord& step);                 // "B=4660"
std::string tagLabel(const StepRecord& step);                      // "T=18"
std::string loadStepLabel(const CacheSnapshot& cache, int block);  // "in = 7"
std::string lruRowLabel(const CacheSnapshot& cache, int block);    // "cnt = e000"
