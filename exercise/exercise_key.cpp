#include "exercise/exercise_key.h"

#include "config/cache_config.h"
#include "dialog/dialog_buttons.h"
#include "engine/replacement.h"
#include "engine/simulation_state.h"

namespace {

std::uint32_t indexField(MappingMethod method, std::size_t t) {
    switch (method) {
    case MappingMethod::Direct:
        return simulationState.blockIndex[t];
    case MappingMethod::SetAssociative:
        return simulationState.setIndex[t];
    case MappingMethod::Associative:
        break;
    }
    return 0;
}

void readWidths(ExerciseKey& key, MappingMethod method) {
    const SimulationState& state = simulationState;
    key.addressBits = state.addressBits;
    key.tagBits = state.tagBits;
    key.wordBits = state.wordBits;
    key.indexBits = method == MappingMethod::Direct           ? state.blockBits
                    : method == MappingMethod::SetAssociative ? state.setBits
                                                              : 0;
    key.cacheBlockCount = usedBlockCount();
    key.blocksPerSet = method == MappingMethod::Direct        ? 1
                       : method == MappingMethod::Associative ? key.cacheBlockCount
                                                              : state.blocksPerSet;
}

ExerciseAccess readAccess(MappingMethod method, int t) {
    const SimulationState& state = simulationState;
    ExerciseAccess access;
    access.address = cacheConfig.addressSequence[slot(t)];
    access.tag = state.tagValue[slot(t)];
    access.index = indexField(method, slot(t));
    access.word = state.wordOffset[slot(t)];
    access.hit = state.missFlag[slot(t)] == hitOutcome;
    access.replacedBlock = state.stepRecords[slot(t)].evictedBlock;
    access.kind = missKinds.kind[slot(t)];
    return access;
}

} // namespace

ExerciseKey solveExercise(const Exercise& exercise) {
    ExerciseKey key;
    pressSetareMod(exercise.fields);
    if (cacheConfig.configErrors != 0) {
        return key;
    }
    pressStartSimulation();
    key.valid = true;
    readWidths(key, exercise.mapping);
    for (int t = 0; t < addressFieldCount; ++t) {
        key.accesses[slot(t)] = readAccess(exercise.mapping, t);
        key.misses += key.accesses[slot(t)].hit ? 0 : 1;
    }
    const CacheSnapshot& last = snapshotAt(addressFieldCount - 1);
    for (int b = 0; b < key.cacheBlockCount; ++b) {
        key.finalCache[slot(b)] = {last.blockState[slot(b)] != BlockState::Empty, last.blockTag[slot(b)]};
    }
    return key;
}
