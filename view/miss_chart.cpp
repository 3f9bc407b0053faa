#include "view/miss_chart.h"

#include "config/capacities.h"
#include "engine/miss_rate.h"
#include "engine/simulation_state.h"
#include "view/gdi_objects.h"
#include "view/label_text.h"

#include <array>

namespace {

constexpr int plotWidth = 800;
constexpr int plotHeight = 400;
constexpr int gridStep = 10;
constexpr int axisQuarters = 4; // tick labels at 0, 25, 50, 75 and 100 % of each axis
constexpr int fullScalePercent = 100;

POINT plotPoint(const ViewLayout& layout, int access, int accessCount, double value) {
    return POINT{layout.chartLeft + access * plotWidth / accessCount,
                 layout.chartBottom - static_cast<int>(plotHeight * value)};
}

void drawAxes(HDC dc, const ViewLayout& layout) {
    MoveToEx(dc, layout.chartLeft, layout.chartTop, nullptr);
    LineTo(dc, layout.chartLeft, layout.chartBottom);
    MoveToEx(dc, layout.chartLeft, layout.chartBottom, nullptr);
    LineTo(dc, layout.chartRight, layout.chartBottom);
}

// The vertical caption stands one character per line, left of the tick labels.
void drawCaptions(HDC dc, const ViewLayout& layout) {
    drawLabel(dc, L"Numar de iteratii",
              RECT{layout.chartLeft, layout.chartBottom + 15, layout.chartRight, layout.chartBottom + 35},
              centredLine);
    const std::wstring vertical = L"Miss cacche %";
    for (int k = 0; k < static_cast<int>(vertical.size()); ++k) {
        const int top = layout.chartTop + 70 + 15 * k;
        drawLabel(dc, vertical.substr(static_cast<std::size_t>(k), 1),
                  RECT{layout.chartLeft - 45, top, layout.chartLeft - 30, top + 15}, centredLine);
    }
}

// Percentages beside the horizontal grid lines of 100, 75, 50, 25 and 0 %, and access numbers under the
// quarters of the horizontal axis.
void drawTickLabels(HDC dc, const ViewLayout& layout, int accessCount) {
    for (int quarter = 0; quarter <= axisQuarters; ++quarter) {
        const int y = layout.chartTop + quarter * plotHeight / axisQuarters;
        const int percent = fullScalePercent - quarter * fullScalePercent / axisQuarters;
        drawLabel(dc, numberText(static_cast<std::uint32_t>(percent)),
                  RECT{layout.chartLeft - 25, y - 5, layout.chartLeft - 2, y + 5}, centredLine);
    }
    for (int quarter = 0; quarter <= axisQuarters; ++quarter) {
        const int x = layout.chartLeft + quarter * plotWidth / axisQuarters;
        drawLabel(dc, numberText(static_cast<std::uint32_t>(quarter * accessCount / axisQuarters)),
                  RECT{x - 15, layout.chartBottom + 5, x + 15, layout.chartBottom + 20}, centredLine);
    }
}

// 80 x 40 cells, each outlined in the grid pen and filled with the DC's brush; the axes stay uncovered. Every
// cell is the same picture, since a dotted outline starts its pattern afresh with each rectangle: one cell is
// drawn as the first would be, with the paint DC's brush and background, and the plot is filled with it. That
// paints the pixels of 3 200 outlined cells at a fraction of their cost.
void drawGrid(HDC dc, const ViewLayout& layout, HPEN gridPen) {
    const MemoryDc cellDc(dc);
    const OwnedGdiObject<HBITMAP> cell(CreateCompatibleBitmap(dc, gridStep, gridStep));
    {
        const ScopedSelection cellBitmap(cellDc.get(), cell.get());
        const ScopedSelection pen(cellDc.get(), gridPen);
        const ScopedSelection brush(cellDc.get(), GetCurrentObject(dc, OBJ_BRUSH));
        SetBkColor(cellDc.get(), GetBkColor(dc));
        SetBkMode(cellDc.get(), GetBkMode(dc));
        Rectangle(cellDc.get(), 0, gridStep, gridStep, 0);
    }
    const OwnedGdiObject<HBRUSH> cells(CreatePatternBrush(cell.get()));
    const int left = layout.chartLeft + 1;
    POINT previousOrigin{};
    SetBrushOrgEx(dc, left, layout.chartTop, &previousOrigin); // the pattern's corner on the first cell
    {
        const ScopedSelection fill(dc, cells.get());
        PatBlt(dc, left, layout.chartTop, plotWidth, plotHeight, PATCOPY);
    }
    SetBrushOrgEx(dc, previousOrigin.x, previousOrigin.y, nullptr);
}

// One segment per pair of consecutive accesses, no markers.
void drawSeries(HDC dc, const ViewLayout& layout, int accessCount,
                const std::array<double, stepCapacity>& values) {
    for (int j = 1; j < accessCount; ++j) {
        const POINT from = plotPoint(layout, j - 1, accessCount, values[static_cast<std::size_t>(j - 1)]);
        const POINT to = plotPoint(layout, j, accessCount, values[static_cast<std::size_t>(j)]);
        MoveToEx(dc, from.x, from.y, nullptr);
        LineTo(dc, to.x, to.y);
    }
}

} // namespace

void drawMissChart(HDC dc, const ViewLayout& layout, HPEN outcomePen, HPEN gridPen, HPEN ratePen) {
    const int accessCount = chartedAccessCount();
    drawAxes(dc, layout);
    drawCaptions(dc, layout);
    drawTickLabels(dc, layout, accessCount);
    drawGrid(dc, layout, gridPen);
    const ScopedSelection penInUse(dc, outcomePen);
    drawSeries(dc, layout, accessCount, simulationState.missFlag);
    SelectObject(dc, ratePen);
    drawSeries(dc, layout, accessCount, simulationState.missRate);
}
