#pragma once

#include <cstdint>

// Puts every process-wide record back into its start-up state, allocates the name buffers (empty) and
// installs a reproducible random generator. Shared by the tests and the fuzz targets, which start every input
// from start-up.
void startFromStartup(std::uint64_t seed = 1);
