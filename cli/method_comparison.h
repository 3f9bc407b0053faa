#pragma once

#include "dialog/dialog_fields.h"
#include "language/language.h"

#include <cstdint>
#include <cstdio>

enum class ComparisonFormat { Table, Csv };

// Each sequence run of the command line under the five mapping methods and policies on the same addresses:
// "directa", "asociativa" with FIFO and LRU, "asociativa pe seturi" with FIFO and LRU. A combination's line
// gives the accesses its chart shows, the misses among them, the miss rate at the last and how many of those
// misses are compulsory, capacity and conflict misses, or the report's first error when its configuration
// does not validate. The table is in language; the CSV keeps its column names and the lists' texts in any
// language. Lines are written as they come, so the comparison takes the same memory however many runs it
// covers.
class MethodComparison {
  public:
    MethodComparison(ComparisonFormat format, Language language, std::FILE* out, std::FILE* err)
        : format_(format), language_(language), out_(out), err_(err) {}

    // Presses "Setare mod" and START SIMULARE for every combination with the run's fields, and writes the
    // run's table (one per run, an empty line between tables) or CSV rows (one header before the first run;
    // the error of a row without figures goes to err). Returns whether every combination validated.
    bool compareRun(const DialogFields& fields);

  private:
    ComparisonFormat format_;
    Language language_;
    std::FILE* out_;
    std::FILE* err_;
    std::int32_t run_ = 0;
};
