#pragma once

#include <cstdio>

// Writes the status report for the records as they are now: the configuration errors, the prompt to start, or
// the configuration and the trace of the last run. Reads only; safe for any content of the records.
void printStatusReport(std::FILE* out);

// Writes the message the error list of the report starts with, as the report writes it: that of the lowest
// error bit set, since the list follows the order of the bits. Nothing for a valid configuration.
void printFirstConfigurationError(std::FILE* out);
