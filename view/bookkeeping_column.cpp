#include "view/bookkeeping_column.h"

#include "config/cache_config.h"
#include "engine/simulation_state.h"
#include "view/label_text.h"
#include "view/panel_labels.h"

namespace {

constexpr int individualTraceIndex = 1; // the state after the individual step

} // namespace

// Text only, beside the cells of the same blocks in column 1: when each block was filled, and for the methods
// with a replacement policy its row of the LRU matrix.
void drawBookkeepingColumn(int blockCount, const ViewLayout& layout, Scene& scene) {
    const CacheSnapshot& cache = simulationState.snapshots[individualTraceIndex];
    const bool showsLruRow = cacheConfig.mappingMethod != MappingMethod::Direct;
    const SceneFont font = labelFont(layout);
    for (int block = 0; block < blockCount; ++block) {
        const SceneRect row = cacheCellRect(layout, 0, block);
        if (!showsLruRow) {
            addLabel(scene, loadStepLabel(cache, block), row, font, centredLine);
            continue;
        }
        const int middle = row.top + layout.cellH / 2;
        addLabel(scene, loadStepLabel(cache, block), {row.left, row.top, row.right, middle}, font,
                 leftAlignedLine);
        addLabel(scene, lruRowLabel(cache, block), {row.left, middle, row.right, row.bottom}, font,
                 leftAlignedLine);
    }
}
