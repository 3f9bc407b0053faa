#pragma once

#include "lab/lab_run.h"

#include <cstdio>
#include <string>
#include <vector>

// The laboratory's row-per-event tables: --steps, every request at every level as it happens, written in
// big blocks; --sweep, a row per configuration of the classic curve.

class StepWriter {
  public:
    explicit StepWriter(std::FILE* out);
    StepWriter(const StepWriter&) = delete;
    StepWriter& operator=(const StepWriter&) = delete;

    // The sink a run writes every step into; valid while the writer is.
    LabStepSink sink();
    // Writes what is held. Nothing is written before the first flush unless a megabyte of rows is held.
    void flush();

  private:
    static void take(void* context, const LabStep& step);
    void append(const LabStep& step);

    std::FILE* out_;
    std::string buffer_;
};

std::string labSweepCsv(const std::vector<SweepRow>& rows);
