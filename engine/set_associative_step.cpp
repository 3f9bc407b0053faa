#include "engine/mapping_steps.h"

#include "engine/range_access.h"
#include "engine/sequence_steps.h"

// The set field names a run of consecutive blocks; blocks of other sets are never compared, filled or
// evicted.
void setAssociativeStep(std::int32_t addressIndex, std::int32_t traceOffset) {
    const StepStart step = startStep(addressIndex, traceOffset, MappingMethod::SetAssociative);
    if (cacheConfig.setCount <= 0) {
        return; // only an unvalidated set count can get here
    }
    simulationState.blocksPerSet = cacheConfig.cacheBlockCount / cacheConfig.setCount;
    const std::uint32_t set = simulationState.setIndex[slot(step.t)];
    const auto first = static_cast<std::int64_t>(set) * simulationState.blocksPerSet;
    if (first + simulationState.blocksPerSet > usedBlockCount()) {
        return; // likewise: a valid set count divides the cache into whole sets
    }
    accessCandidateRange(addressIndex, step,
                         CandidateRange{static_cast<int>(first), simulationState.blocksPerSet});
}

void runSetAssociativeSequence(int steps) {
    runSequenceSteps<setAssociativeStep>(steps);
}
