#include "view/block_panels.h"

#include "config/cache_config.h"
#include "config/capacities.h"
#include "engine/simulation_state.h"
#include "view/bookkeeping_column.h"
#include "view/gdi_objects.h"
#include "view/label_text.h"
#include "view/panel_labels.h"

#include <algorithm>

namespace {

constexpr COLORREF outlineColor = RGB(0, 0, 0);
constexpr COLORREF setOutlineColor = RGB(0, 0, 255);

// In the individual mode column 0 is the bookkeeping column: it gets no cells, frames or RAM cell.
int firstCacheColumn() {
    return cacheConfig.workMode == WorkMode::Individual ? 1 : 0;
}

// Each cell is outlined in the current pen and filled with the colour the engine gave its block.
void drawCacheColumn(int column, int blockCount, const ViewLayout& layout, HDC dc) {
    const CacheSnapshot& cache = simulationState.snapshots[slot(column)];
    for (int block = 0; block < blockCount; ++block) {
        const RECT cell = cacheCellRect(layout, column, block);
        SetDCBrushColor(dc, cache.blockColor[slot(block)]);
        Rectangle(dc, cell.left, cell.top, cell.right, cell.bottom);
        drawLabel(dc, cacheCellLabel(cache, block), cell, centredLine);
    }
}

void drawCacheCells(int columnCount, int blockCount, const ViewLayout& layout, HDC dc) {
    const ScopedSelection fill(dc, GetStockObject(DC_BRUSH));
    if (cacheConfig.workMode == WorkMode::Individual) {
        drawBookkeepingColumn(blockCount, layout, dc);
    }
    for (int column = firstCacheColumn(); column < columnCount; ++column) {
        drawCacheColumn(column, blockCount, layout, dc);
    }
}

// Hollow blue frames around the consecutive blocks of each set, on top of the cells.
void drawSetOutlines(int columnCount, const ViewLayout& layout, HDC dc) {
    const int setCount = cacheConfig.setCount;
    if (setCount <= 0) {
        return; // only an unvalidated set count gets here
    }
    const int setHeight = layout.cellH * (cacheConfig.cacheBlockCount / setCount);
    const ScopedSelection hollow(dc, GetStockObject(NULL_BRUSH));
    const SelectedGdiObject<HPEN> setPen(dc, CreatePen(PS_SOLID, 2, setOutlineColor));
    for (int column = firstCacheColumn(); column < columnCount; ++column) {
        const int left = panelColumnLeft(layout, column);
        for (int set = 0; set < setCount; ++set) {
            const int top = layout.rowUnit + set * setHeight;
            Rectangle(dc, left, top, left + layout.cellW, top + setHeight);
        }
    }
}

void drawRamStrip(int columnCount, const ViewLayout& layout, HDC dc) {
    const ScopedSelection fill(dc, GetStockObject(WHITE_BRUSH));
    for (int column = firstCacheColumn(); column < columnCount; ++column) {
        const StepRecord& step = simulationState.stepRecords[slot(column)];
        const RECT cell = ramCellRect(layout, column);
        const int middle = cell.top + layout.cellH / 2;
        Rectangle(dc, cell.left, cell.top, cell.right, cell.bottom);
        drawLabel(dc, ramBlockLabel(step), RECT{cell.left, cell.top + 1, cell.right, middle + 1},
                  centredLine);
        drawLabel(dc, tagLabel(step), RECT{cell.left, middle, cell.right, cell.bottom}, centredLine);
    }
}

} // namespace

// Validation keeps the block count within the 16 slots of a snapshot; the bound keeps every read inside them.
void drawBlockPanels(int columnCount, int blockCount, const ViewLayout& layout, HDC dc) {
    const SelectedGdiObject<HPEN> outlinePen(dc, CreatePen(PS_SOLID, 1, outlineColor));
    drawCacheCells(columnCount, std::clamp(blockCount, 0, cacheBlockCapacity), layout, dc);
    if (cacheConfig.mappingMethod == MappingMethod::SetAssociative) {
        drawSetOutlines(columnCount, layout, dc);
    }
    drawRamStrip(columnCount, layout, dc);
}
