#include "engine/mapping_steps.h"

#include "engine/replacement.h"
#include "engine/simulation_state.h"
#include "engine/step_start.h"

// The block field names the one cache block that may hold the address. The replacement policy and the LRU
// matrix play no part; loadStep records the step of the block's last access, hit or miss.
void directStep(std::int32_t addressIndex, std::int32_t traceOffset) {
    const StepStart step = startStep(addressIndex, traceOffset, MappingMethod::Direct);
    CacheSnapshot& cache = simulationState.snapshots[static_cast<std::size_t>(step.t)];
    const std::uint32_t fieldValue = simulationState.blockIndex[static_cast<std::size_t>(step.t)];
    if (fieldValue >= static_cast<std::uint32_t>(usedBlockCount())) {
        return; // only a block count outside 2..16 can get here; validation never lets one through
    }
    const auto block = static_cast<std::size_t>(fieldValue);
    cache.loadStep[block] = static_cast<std::uint32_t>(simulationState.simulationStep);

    const bool wasEmpty = cache.blockState[block] == BlockState::Empty;
    const bool hit = !wasEmpty && cache.blockTag[block] == step.tag;
    recordOutcome(addressIndex, hit);
    cache.blockTag[block] = step.tag;
    if (wasEmpty) {
        cache.blockState[block] = BlockState::Loaded;
        cache.blockColor[block] = filledBlockColor;
    } else if (cache.blockState[block] == BlockState::Loaded) {
        // A miss on a filled block evicts the RAM block that was there.
        cache.blockColor[block] = hit ? filledBlockColor : evictedBlockColor;
    }
}
