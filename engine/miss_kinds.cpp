#include "engine/miss_kinds.h"

#include "config/cache_config.h"
#include "engine/address_fields.h"
#include "engine/replacement.h"
#include "engine/simulation_driver.h"

#include <algorithm>

MissKinds missKinds;

namespace {

void emptyHistory(MissKindHistory& history) {
    history.accessedBlocks.clear(); // keeps its capacity: the history takes the same memory run after run
    history.lruCache = CacheSnapshot{};
    history.lruSteps = 0;
}

// The RAM block of an address as the cache files it: the bits above the word field, within the address bits.
std::uint32_t ramBlockOf(std::uint32_t address) {
    const SimulationState& state = simulationState;
    return addressField(address, state.wordBits, state.addressBits - state.wordBits);
}

// Whether the block is accessed for the first time since the history was emptied; it is remembered.
bool firstAccess(MissKindHistory& history, std::uint32_t block) {
    std::vector<std::uint32_t>& blocks = history.accessedBlocks;
    const auto place = std::lower_bound(blocks.begin(), blocks.end(), block);
    if (place != blocks.end() && *place == block) {
        return false;
    }
    blocks.insert(place, block);
    return true;
}

// An access to the fully associative LRU cache of n blocks, by the rules of the associative step: whether it
// hits.
bool lruCacheHits(MissKindHistory& history, std::uint32_t block, int n) {
    CacheSnapshot& cache = history.lruCache;
    const CandidateRange all{0, n};
    int used = findHit(cache, all, block);
    const bool hit = used >= 0;
    if (!hit) {
        ++history.lruSteps;
        used = findFreeBlock(cache, all);
        used = used >= 0 ? used : lruVictim(cache, all);
        fillBlock(cache, used, history.lruSteps, block, BlockState::Loaded);
    }
    updateLruMatrix(cache, used, n);
    return hit;
}

MissKind kindOf(bool missed, bool first, bool lruCacheHit) {
    if (!missed) {
        return MissKind::None;
    }
    if (first) {
        return MissKind::Compulsory;
    }
    return lruCacheHit ? MissKind::Conflict : MissKind::Capacity;
}

} // namespace

void classifyMisses() {
    MissKindHistory& history = missKinds.history;
    const bool continuing =
        cacheConfig.workMode == WorkMode::Individual && simulationState.simulationStep != 1;
    if (!continuing) {
        emptyHistory(history);
    }
    missKinds.kind.fill(MissKind::None);
    const int n = usedBlockCount();
    const int accesses = simulatedAccessCount();
    for (int i = 0; i < accesses; ++i) {
        const std::uint32_t block = ramBlockOf(cacheConfig.addressSequence[slot(i)]);
        const bool first = firstAccess(history, block);
        const bool lruCacheHit = lruCacheHits(history, block, n);
        missKinds.kind[slot(i)] =
            kindOf(simulationState.missFlag[slot(i)] == missOutcome, first, lruCacheHit);
    }
}
