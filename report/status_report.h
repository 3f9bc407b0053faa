#pragma once

#include "language/language.h"

#include <cstdio>

// Writes the status report for the records as they are now: the configuration errors, the prompt to start, or
// the configuration and the trace of the last run. Reads only; safe for any content of the records.
void printStatusReport(std::FILE* out);

// The same report in language: the Windows program's in Romanian, its wording translated otherwise, with the
// same numbers in the same formats.
void printStatusReportIn(std::FILE* out, Language language);

// Writes the message the error list of the report starts with, as the report writes it: that of the lowest
// error bit set, since the list follows the order of the bits. Nothing for a valid configuration.
void printFirstConfigurationError(std::FILE* out);
void printFirstConfigurationErrorIn(std::FILE* out, Language language);
