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
void drawBookkeepingColumn(int blockCount, const ViewLayout& layout, HDC dc) {
    const CacheSnapshot& cache = simulationState.snapshots[individualTraceIndex];
    const bool showsLruRow = cacheConfig.mappingMethod != MappingMethod::Direct;
    for (int block = 0; block < blockCount; ++block) {
        const RECT row = cacheCellRect(layout, 0, block);
        const std::wstring loadText = loadStepLabel(cache, block);
        if (!showsLruRow) {
            drawLabel(dc, loadText, row, centredLine);
            continue;
        }
        const int middle = row.top + layout.cellH / 2;
        drawLabel(dc, loadText, RECT{row.left, row.top, row.right, middle}, leftAlignedLine);
        drawLabel(dc, lruRowLabel(cache, block), RECT{row.left, middle, row.right, row.bottom},
                  leftAlignedLine);
    }
}
