#pragma once

#include <cstdio>

// Writes the status report for the records as they are now: the configuration errors, the prompt to start, or
// the configuration and the trace of the last run. Reads only; safe for any content of the records.
void printStatusReport(std::FILE* out);
