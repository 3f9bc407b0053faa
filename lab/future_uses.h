#pragma once

#include <cstdint>
#include <vector>

// For the optimal policy: the index of the next request of the same line in a level's stream of requests, for
// every request of it, neverAgain (cache_level.h) when there is none. The stream's line numbers are
// consumed.
std::vector<std::uint32_t> nextRequestsOf(std::vector<std::uint64_t>&& lines);
