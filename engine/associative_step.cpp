#include "engine/mapping_steps.h"

#include "engine/range_access.h"
#include "engine/sequence_steps.h"

// Any cache block may hold any RAM block: the whole cache is the candidate range.
void associativeStep(std::int32_t addressIndex, std::int32_t traceOffset) {
    const StepStart step = startStep(addressIndex, traceOffset, MappingMethod::Associative);
    accessCandidateRange(addressIndex, step, CandidateRange{0, usedBlockCount()});
}

void runAssociativeSequence(int steps) {
    runSequenceSteps<associativeStep>(steps);
}
