#include "engine/replacement.h"

void copySnapshot(const CacheSnapshot& from, CacheSnapshot& to, int n) {
    std::copy_n(from.lruRow.begin(), n, to.lruRow.begin());
    std::copy_n(from.blockTag.begin(), n, to.blockTag.begin());
    std::copy_n(from.loadStep.begin(), n, to.loadStep.begin());
    std::copy_n(from.useStep.begin(), n, to.useStep.begin());
    std::copy_n(from.blockState.begin(), n, to.blockState.begin());
    std::copy_n(from.blockColor.begin(), n, to.blockColor.begin());
}

void copySnapshot(int t) {
    if (t <= 0) {
        return;
    }
    copySnapshot(snapshotAt(t - 1), snapshotAt(t), usedBlockCount());
}

void updateLruMatrix(int b, int t) {
    updateLruMatrix(snapshotAt(t), b, usedBlockCount());
}
