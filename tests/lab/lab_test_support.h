#pragma once

#include "lab/lab_run.h"

#include <gtest/gtest.h>

#include <vector>

// A run of the laboratory's model over accesses held in memory, with every step it took.
struct ModelRun {
    LabSummary summary;
    std::vector<LabStep> steps;
};

inline bool operator==(const LevelSummary& a, const LevelSummary& b) {
    return a.accesses == b.accesses && a.reads == b.reads && a.writes == b.writes && a.hits == b.hits &&
           a.misses == b.misses && a.compulsory == b.compulsory && a.capacity == b.capacity &&
           a.conflict == b.conflict && a.writebacks == b.writebacks && a.bytesIn == b.bytesIn &&
           a.bytesOut == b.bytesOut && a.dirtyAtEnd == b.dirtyAtEnd && a.demandRequests == b.demandRequests &&
           a.demandMisses == b.demandMisses;
}

// The run with its steps; a run without them, which takes shortcuts, must sum up the same.
inline ModelRun runModel(const HierarchyConfig& config, const std::vector<TraceAccess>& accesses) {
    LabRun quiet = startLabRun(config);
    feedLabRun(quiet, accesses.data(), accesses.size());
    const LabSummary quietSummary = finishLabRun(quiet);
    ModelRun result;
    LabStepSink sink{&result.steps, [](void* steps, const LabStep& step) {
                         static_cast<std::vector<LabStep>*>(steps)->push_back(step);
                     }};
    LabRun run = startLabRun(config, sink);
    feedLabRun(run, accesses.data(), accesses.size());
    result.summary = finishLabRun(run);
    EXPECT_TRUE(result.summary.levels == quietSummary.levels);
    EXPECT_EQ(result.summary.memory.bytesWritten, quietSummary.memory.bytesWritten);
    return result;
}

inline LevelConfig levelOf(std::uint64_t capacity, std::uint64_t line, std::uint64_t ways,
                           LabPolicy policy = LabPolicy::Lru) {
    LevelConfig level;
    level.capacity = capacity;
    level.line = line;
    level.ways = ways;
    level.policy = policy;
    return level;
}

inline TraceAccess readOf(std::uint64_t address, std::uint32_t size = 1) {
    return {address, size, AccessOp::Read};
}
inline TraceAccess writeOf(std::uint64_t address, std::uint32_t size = 1) {
    return {address, size, AccessOp::Write};
}
