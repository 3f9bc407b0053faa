#pragma once

#include "lab/trace_access.h"

#include <optional>
#include <string_view>
#include <vector>

// The built-in traces, so that the laboratory runs with nothing else: a 256 x 256 array of 4-byte integers
// from address 0, row after row, summed by rows (the addresses go up by 4) and by columns (by 1024): the
// textbook's example of spatial locality. Reads only; the sum stays in a register.
enum class ExampleTrace : std::uint8_t { Rows, Columns };

inline constexpr unsigned exampleArraySide = 256;
inline constexpr unsigned exampleElementBytes = 4;

std::vector<TraceAccess> exampleTrace(ExampleTrace example);

// "rows" or "columns"; nullopt for any other name.
std::optional<ExampleTrace> exampleTraceNamed(std::string_view name);
