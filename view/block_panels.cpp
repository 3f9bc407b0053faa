#include "view/block_panels.h"

#include "config/cache_config.h"
#include "config/capacities.h"
#include "engine/simulation_state.h"
#include "view/bookkeeping_column.h"
#include "view/label_text.h"
#include "view/panel_labels.h"

#include <algorithm>

namespace {

constexpr ScenePen outlinePen{.style = PenStyle::Solid, .width = 1, .color = sceneBlack};
constexpr ScenePen setOutlinePen{.style = PenStyle::Solid, .width = 2, .color = sceneRgb(0, 0, 255)};
constexpr SceneFill hollow{.hollow = true};
constexpr SceneFill whiteFill{.color = sceneWhite};

// In the individual mode column 0 is the bookkeeping column: it gets no cells, frames or RAM cell.
int firstCacheColumn() {
    return cacheConfig.workMode == WorkMode::Individual ? 1 : 0;
}

// Each cell is outlined in black and filled with the colour the engine gave its block.
void drawCacheColumn(int column, int blockCount, const ViewLayout& layout, Scene& scene) {
    const CacheSnapshot& cache = simulationState.snapshots[slot(column)];
    const SceneFont font = labelFont(layout);
    for (int block = 0; block < blockCount; ++block) {
        const SceneRect cell = cacheCellRect(layout, column, block);
        scene.emplace_back(
            RectangleCmd{.rect = cell, .pen = outlinePen, .fill = {.color = cache.blockColor[slot(block)]}});
        addLabel(scene, cacheCellLabel(cache, block), cell, font, centredLine);
    }
}

void drawCacheCells(int columnCount, int blockCount, const ViewLayout& layout, Scene& scene) {
    if (cacheConfig.workMode == WorkMode::Individual) {
        drawBookkeepingColumn(blockCount, layout, scene);
    }
    for (int column = firstCacheColumn(); column < columnCount; ++column) {
        drawCacheColumn(column, blockCount, layout, scene);
    }
}

// Hollow blue frames around the consecutive blocks of each set, on top of the cells.
void drawSetOutlines(int columnCount, const ViewLayout& layout, Scene& scene) {
    const int setCount = cacheConfig.setCount;
    if (setCount <= 0) {
        return; // only an unvalidated set count gets here
    }
    const int setHeight = layout.cellH * (cacheConfig.cacheBlockCount / setCount);
    for (int column = firstCacheColumn(); column < columnCount; ++column) {
        const int left = panelColumnLeft(layout, column);
        for (int set = 0; set < setCount; ++set) {
            const int top = layout.rowUnit + set * setHeight;
            scene.emplace_back(RectangleCmd{.rect = {left, top, left + layout.cellW, top + setHeight},
                                            .pen = setOutlinePen,
                                            .fill = hollow});
        }
    }
}

void drawRamStrip(int columnCount, const ViewLayout& layout, Scene& scene) {
    const SceneFont font = labelFont(layout);
    for (int column = firstCacheColumn(); column < columnCount; ++column) {
        const StepRecord& step = simulationState.stepRecords[slot(column)];
        const SceneRect cell = ramCellRect(layout, column);
        const int middle = cell.top + layout.cellH / 2;
        scene.emplace_back(RectangleCmd{.rect = cell, .pen = outlinePen, .fill = whiteFill});
        addLabel(scene, ramBlockLabel(step), {cell.left, cell.top + 1, cell.right, middle + 1}, font,
                 centredLine);
        addLabel(scene, tagLabel(step), {cell.left, middle, cell.right, cell.bottom}, font, centredLine);
    }
}

} // namespace

// Validation keeps the block count within the 16 slots of a snapshot; the bound keeps every read inside them.
void drawBlockPanels(int columnCount, int blockCount, const ViewLayout& layout, Scene& scene) {
    drawCacheCells(columnCount, std::clamp(blockCount, 0, cacheBlockCapacity), layout, scene);
    if (cacheConfig.mappingMethod == MappingMethod::SetAssociative) {
        drawSetOutlines(columnCount, layout, scene);
    }
    drawRamStrip(columnCount, layout, scene);
}
