#pragma once

#include "engine/simulation_state.h"

#include <cstdint>
#include <string>

// The texts of the panel cells.
std::wstring cacheCellLabel(const CacheSnapshot& cache,
                            int block);                            // "3: 1234", or "0: NA" for an empty block
std::wstring ramBlockLabel(const StepRecord& step);                // "B=4660"
std::wstring tagLabel(const StepRecord& step);                     // "T=18"
std::wstring loadStepLabel(const CacheSnapshot& cache, int block); // "in = 7"
std::wstring lruRowLabel(const CacheSnapshot& cache, int block);   // "cnt = e000"
