#pragma once

#include "lab/lab_run.h"

#include <vector>

// A run of the laboratory's model over accesses held in memory, with every step it took.
struct ModelRun {
    LabSummary summary;
    std::vector<LabStep> steps;
};

inline ModelRun runModel(const HierarchyConfig& config, const std::vector<TraceAccess>& accesses) {
    ModelRun result;
    LabStepSink sink{&result.steps, [](void* steps, const LabStep& step) {
                         static_cast<std::vector<LabStep>*>(steps)->push_back(step);
                     }};
    LabRun run = startLabRun(config, sink);
    feedLabRun(run, accesses.data(), accesses.size());
    result.summary = finishLabRun(run);
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
