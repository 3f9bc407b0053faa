#include "engine/replacement.h"

#include "config/capacities.h"
#include "engine/address_fields.h"

#include <algorithm>

CacheSnapshot& snapshotAt(int t) {
    return simulationState.snapshots[slot(t)];
}

int usedBlockCount() {
    return std::clamp(cacheConfig.cacheBlockCount, 0, cacheBlockCapacity);
}

void copySnapshot(const CacheSnapshot& from, CacheSnapshot& to, int n) {
    std::copy_n(from.lruRow.begin(), n, to.lruRow.begin());
    std::copy_n(from.blockTag.begin(), n, to.blockTag.begin());
    std::copy_n(from.loadStep.begin(), n, to.loadStep.begin());
    std::copy_n(from.blockState.begin(), n, to.blockState.begin());
    std::copy_n(from.blockColor.begin(), n, to.blockColor.begin());
}

void copySnapshot(int t) {
    if (t <= 0) {
        return;
    }
    copySnapshot(snapshotAt(t - 1), snapshotAt(t), usedBlockCount());
}

void updateLruMatrix(CacheSnapshot& cache, int b, int n) {
    if (b < 0 || b >= n) {
        return;
    }
    const std::uint32_t column = std::uint32_t{1} << (n - 1 - b);
    cache.lruRow[slot(b)] = lowBitsMask(static_cast<std::uint32_t>(n));
    for (int i = 0; i < n; ++i) {
        cache.lruRow[slot(i)] &= ~column;
    }
}

void updateLruMatrix(int b, int t) {
    updateLruMatrix(snapshotAt(t), b, usedBlockCount());
}

void recolourFilledBlocks(CacheSnapshot& cache, int n) {
    for (int b = 0; b < n; ++b) {
        if (cache.blockState[slot(b)] != BlockState::Empty) {
            cache.blockColor[slot(b)] = filledBlockColor;
        }
    }
}

int findHit(const CacheSnapshot& cache, CandidateRange range, std::uint32_t tag) {
    for (int b = range.first; b < range.first + range.count; ++b) {
        if (cache.blockTag[slot(b)] == tag && cache.blockState[slot(b)] != BlockState::Empty) {
            return b;
        }
    }
    return -1;
}

int findFreeBlock(const CacheSnapshot& cache, CandidateRange range) {
    for (int b = range.first; b < range.first + range.count; ++b) {
        if (cache.blockState[slot(b)] == BlockState::Empty) {
            return b;
        }
    }
    return -1;
}

int fifoVictim(const CacheSnapshot& cache, CandidateRange range, std::uint32_t simulationStep) {
    // Every filled block was loaded at a step up to the current one, so the bound is beaten at once.
    int victim = range.first;
    std::uint32_t oldest = simulationStep + 1;
    for (int b = range.first; b < range.first + range.count; ++b) {
        if (cache.loadStep[slot(b)] < oldest) {
            oldest = cache.loadStep[slot(b)];
            victim = b;
        }
    }
    return victim;
}

int lruVictim(const CacheSnapshot& cache, CandidateRange range) {
    int victim = range.first;
    for (int b = range.first + 1; b < range.first + range.count; ++b) {
        const std::uint32_t row = cache.lruRow[slot(b)];
        const std::uint32_t bestRow = cache.lruRow[slot(victim)];
        if (row < bestRow || (row == bestRow && cache.loadStep[slot(b)] < cache.loadStep[slot(victim)])) {
            victim = b;
        }
    }
    return victim;
}

void applyHit(CacheSnapshot& cache, int h) {
    cache.blockState[slot(h)] = BlockState::Loaded;
    cache.blockColor[slot(h)] = filledBlockColor;
}

void fillBlock(CacheSnapshot& cache, int v, std::uint32_t step, std::uint32_t tag, BlockState state) {
    cache.loadStep[slot(v)] = step;
    cache.blockTag[slot(v)] = tag;
    cache.blockState[slot(v)] = state;
    cache.blockColor[slot(v)] = state == BlockState::Replaced ? evictedBlockColor : filledBlockColor;
}
