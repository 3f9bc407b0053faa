#pragma once

#include "lab/hierarchy_config.h"
#include "lab/lab_run.h"
#include "lab/lab_texts.h"

#include <cstdint>
#include <string>

// The summary of a laboratory run in its three forms: the table a student reads, in the chosen language;
// CSV and JSON for other programs, the same in every language.

struct LabTraceFacts {
    std::string name;   // the file, or the example's name
    std::string format; // the format it was read in, or "--example"
    std::uint64_t skipped = 0;
    std::uint64_t dropped = 0;
};

std::string labSummaryTable(LabLanguage language, const HierarchyConfig& config, const LabSummary& summary,
                            const LabTraceFacts& trace);

// The header, a row per level, the memory's row and the amat row.
std::string labSummaryCsv(const LabSummary& summary);

std::string labSummaryJson(const LabSummary& summary, const LabTraceFacts& trace);

// value with at most digits decimals, trailing zeros (and a trailing point) left out: "0.0625", "10".
std::string decimalText(double value, int digits);

// misses / accesses, 0 for no accesses.
double missRate(std::uint64_t misses, std::uint64_t accesses);
