#include "engine/mapping_steps.h"

#include "config/capacities.h"
#include "engine/replacement.h"
#include "engine/sequence_steps.h"
#include "engine/simulation_state.h"
#include "engine/step_start.h"

// The block field names the one cache block that may hold the address. The replacement policy and the LRU
// matrix play no part; loadStep records the step of the block's last access, hit or miss.
void directStep(std::int32_t addressIndex, std::int32_t traceOffset) {
    const StepStart step = startStep(addressIndex, traceOffset, MappingMethod::Direct);
    CacheSnapshot& cache = snapshotAt(step.t);
    const std::uint32_t fieldValue = simulationState.blockIndex[slot(step.t)];
    if (fieldValue >= static_cast<std::uint32_t>(usedBlockCount())) {
        return; // only a block count outside 2..16 can get here; validation never lets one through
    }
    const auto block = static_cast<int>(fieldValue);
    const bool wasEmpty = cache.blockState[slot(block)] == BlockState::Empty;
    const bool hit = !wasEmpty && cache.blockTag[slot(block)] == step.tag;
    recordOutcome(addressIndex, hit);
    // Hit or miss, every access fills the block anew as Loaded: direct mapping never marks a block Replaced.
    fillBlock(cache, block, static_cast<std::uint32_t>(simulationState.simulationStep), step.tag,
              BlockState::Loaded);
    StepRecord& record = simulationState.stepRecords[slot(step.t)];
    record.firstCandidate = block;
    record.lastCandidate = block;
    record.usedBlock = block;
    if (!wasEmpty && !hit) {
        cache.blockColor[slot(block)] = evictedBlockColor; // the miss evicted the RAM block that was there
        record.evictedBlock = block;
    }
}

void runDirectSequence(int steps) {
    runSequenceSteps<directStep>(steps);
}
