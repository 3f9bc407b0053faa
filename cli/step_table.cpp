#include "cli/step_table.h"

#include "config/cache_config.h"
#include "config/capacities.h"
#include "engine/miss_kinds.h"
#include "engine/miss_rate.h"
#include "engine/simulation_state.h"

// Where the records hold one step: the address field, the trace index the step cut the address at, and the
// outcome's index, with the step's number and the miss rate up to it.
struct StepTable::StepPlace {
    std::int32_t step = 0;
    std::size_t address = 0;
    std::size_t trace = 0;
    std::size_t outcome = 0;
    double missRate = 0.0;
};

namespace {

// The cache block (direct mapping) or set (set-associative) of the step; associative mapping has neither.
void writeIndex(std::FILE* out, std::size_t trace) {
    switch (cacheConfig.mappingMethod) {
    case MappingMethod::Direct:
        std::fprintf(out, "%u", simulationState.blockIndex[trace]);
        break;
    case MappingMethod::SetAssociative:
        std::fprintf(out, "%u", simulationState.setIndex[trace]);
        break;
    case MappingMethod::Associative:
        break;
    }
}

// The miss_kind column: empty on a hit.
const char* missKindName(MissKind kind) {
    switch (kind) {
    case MissKind::Compulsory:
        return "compulsory";
    case MissKind::Capacity:
        return "capacity";
    case MissKind::Conflict:
        return "conflict";
    case MissKind::None:
        break;
    }
    return "";
}

} // namespace

void StepTable::writeLastRun() {
    ++run_;
    if (cacheConfig.workMode == WorkMode::Individual) {
        writeIndividualRow();
        return;
    }
    computeMissRate();
    const int steps = chartedAccessCount();
    for (int s = 0; s < steps; ++s) {
        writeRow(StepPlace{s + 1, slot(s), slot(s), slot(s), simulationState.missRate[slot(s)]});
    }
}

// An individual run cuts its address at trace index 1 and records its outcome at index 0. Its rate extends
// that of the individual runs before it, back to the one that emptied the cache ("Pas simulare" 1).
void StepTable::writeIndividualRow() {
    const std::int32_t step = simulationState.simulationStep;
    const double rateBefore = step == 1 ? 0.0 : individualMissRate_;
    individualMissRate_ =
        extendedMissRate(rateBefore, static_cast<std::size_t>(step - 1), simulationState.missFlag[0]);
    writeRow(StepPlace{step, 0, 1, 0, individualMissRate_});
}

void StepTable::writeRow(const StepPlace& place) {
    if (!headerWritten_) {
        std::fputs("run,step,address,tag,index,word,ram_block,outcome,miss_rate_percent,miss_kind\n", out_);
        headerWritten_ = true;
    }
    const SimulationState& state = simulationState;
    std::fprintf(out_, "%d,%d,%u,%u,", run_, place.step, cacheConfig.addressSequence[place.address],
                 state.tagValue[place.trace]);
    writeIndex(out_, place.trace);
    const bool miss = state.missFlag[place.outcome] == missOutcome;
    std::fprintf(out_, ",%u,%u,%s,%.2f,%s\n", state.wordOffset[place.trace],
                 state.stepRecords[place.trace].ramBlock, miss ? "miss" : "hit", place.missRate * 100.0,
                 missKindName(missKinds.kind[place.outcome]));
}
