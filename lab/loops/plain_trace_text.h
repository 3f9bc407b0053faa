#pragma once

#include "lab/trace_access.h"

#include <cstddef>
#include <string>

// Accesses as lines of the plain trace format, "R 0x10000 4": the operation (R, W or M), the address in
// hexadecimal and the size in decimal, which the plain reader reads back as the same accesses.
void appendPlainTrace(const TraceAccess* accesses, std::size_t count, std::string& text);
