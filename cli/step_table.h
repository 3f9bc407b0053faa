#pragma once

#include <cstdint>
#include <cstdio>

// Every simulated step of the command line as one CSV table:
//     run,step,address,tag,index,word,ram_block,outcome,miss_rate_percent,miss_kind
// Each run's rows are written as soon as it has run and the header before the first row, so the table takes
// the same memory however many runs it covers.
class StepTable {
  public:
    explicit StepTable(std::FILE* out) : out_(out) {}

    // Writes the rows of the run START SIMULARE has just made, read from the records: one for an individual
    // run, one for every access the chart of a sequence run shows.
    void writeLastRun();

  private:
    struct StepPlace;

    void writeIndividualRow();
    void writeRow(const StepPlace& place);

    std::FILE* out_;
    std::int32_t run_ = 0;
    bool headerWritten_ = false;
    double individualMissRate_ = 0.0; // over the individual runs since the cache was last emptied
};
