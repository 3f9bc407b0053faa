#include "view/view_layout.h"

#include "config/capacities.h"

namespace {

constexpr int panelRowSlots = cacheBlockCapacity + 1; // the cache rows and the RAM strip

// The margin taken twice from the client height: above the cache rows and between them and the RAM strip.
int verticalMargin(const ViewLayout& layout) {
    return 5 * layout.cellGap;
}

} // namespace

ViewLayout computeViewLayout(const SceneRect& client) {
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    ViewLayout layout;
    layout.colUnit = width / 30;
    layout.rowUnit = height / 20;
    layout.cellW =
        (width - 2 * layout.colUnit - (sequencePanelColumns - 1) * layout.cellGap) / sequencePanelColumns;
    layout.cellH = (height - 2 * verticalMargin(layout)) / panelRowSlots;
    return layout;
}

int labelFontHeight(const ViewLayout& layout) {
    return layout.cellH / 2 - 1;
}

int panelColumnLeft(const ViewLayout& layout, int column) {
    return layout.colUnit + column * (layout.cellW + layout.cellGap);
}

int panelRowTop(const ViewLayout& layout, int row) {
    return layout.rowUnit + row * layout.cellH;
}

SceneRect cacheCellRect(const ViewLayout& layout, int column, int row) {
    const int left = panelColumnLeft(layout, column);
    const int top = panelRowTop(layout, row);
    return SceneRect{left, top, left + layout.cellW, top + layout.cellH};
}

// Always below the place of a 17th row, whatever the number of blocks.
int ramStripTop(const ViewLayout& layout) {
    return panelRowTop(layout, cacheBlockCapacity) + verticalMargin(layout);
}

SceneRect ramCellRect(const ViewLayout& layout, int column) {
    const int left = panelColumnLeft(layout, column);
    const int top = ramStripTop(layout);
    return SceneRect{left, top, left + layout.cellW, top + layout.cellH};
}

SceneRect ramTitleRect(const ViewLayout& layout, int left, int right) {
    return SceneRect{left, panelRowSlots * layout.cellH, right, (panelRowSlots + 1) * layout.cellH};
}

SceneRect chartTitleRect(const ViewLayout& layout) {
    const int left = layout.chartLeft - 10;
    return SceneRect{left, layout.chartTop - 10,
                     left + sequencePanelColumns * (layout.cellW + layout.cellGap),
                     layout.chartTop + layout.cellH - 60};
}
