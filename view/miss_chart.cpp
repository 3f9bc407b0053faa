#include "view/miss_chart.h"

#include "config/capacities.h"
#include "engine/miss_rate.h"
#include "engine/simulation_state.h"
#include "language/catalogue.h"
#include "view/label_text.h"

#include <array>

namespace {

constexpr int plotWidth = 800;
constexpr int plotHeight = 400;
constexpr int gridStep = 10;
constexpr int axisQuarters = 4; // tick labels at 0, 25, 50, 75 and 100 % of each axis
constexpr int fullScalePercent = 100;
constexpr ScenePen axisPen{}; // the DC's own pen: solid, 1 pixel, black

ScenePoint plotPoint(const ViewLayout& layout, int access, int accessCount, double value) {
    return ScenePoint{layout.chartLeft + access * plotWidth / accessCount,
                      layout.chartBottom - static_cast<int>(plotHeight * value)};
}

void drawAxes(const ViewLayout& layout, Scene& scene) {
    scene.emplace_back(
        PolylineCmd{.points = {{layout.chartLeft, layout.chartTop}, {layout.chartLeft, layout.chartBottom}},
                    .pen = axisPen});
    scene.emplace_back(PolylineCmd{
        .points = {{layout.chartLeft, layout.chartBottom}, {layout.chartRight, layout.chartBottom}},
        .pen = axisPen});
}

// The vertical caption stands one character per line, left of the tick labels.
void drawCaptions(const ViewLayout& layout, const SceneFont& font, Language language, Scene& scene) {
    addLabel(scene, translated(language, "Numar de iteratii"),
             {layout.chartLeft, layout.chartBottom + 15, layout.chartRight, layout.chartBottom + 35}, font,
             centredLine);
    const std::string vertical = translated(language, "Miss cacche %");
    for (int k = 0; k < static_cast<int>(vertical.size()); ++k) {
        const int top = layout.chartTop + 70 + 15 * k;
        addLabel(scene, vertical.substr(static_cast<std::size_t>(k), 1),
                 {layout.chartLeft - 45, top, layout.chartLeft - 30, top + 15}, font, centredLine);
    }
}

// Percentages beside the horizontal grid lines of 100, 75, 50, 25 and 0 %, and access numbers under the
// quarters of the horizontal axis.
void drawTickLabels(const ViewLayout& layout, int accessCount, const SceneFont& font, Scene& scene) {
    for (int quarter = 0; quarter <= axisQuarters; ++quarter) {
        const int y = layout.chartTop + quarter * plotHeight / axisQuarters;
        const int percent = fullScalePercent - quarter * fullScalePercent / axisQuarters;
        addLabel(scene, numberText(static_cast<std::uint32_t>(percent)),
                 {layout.chartLeft - 25, y - 5, layout.chartLeft - 2, y + 5}, font, centredLine);
    }
    for (int quarter = 0; quarter <= axisQuarters; ++quarter) {
        const int x = layout.chartLeft + quarter * plotWidth / axisQuarters;
        addLabel(scene, numberText(static_cast<std::uint32_t>(quarter * accessCount / axisQuarters)),
                 {x - 15, layout.chartBottom + 5, x + 15, layout.chartBottom + 20}, font, centredLine);
    }
}

// 80 x 40 cells from just right of the vertical axis up to the chart's top, each outlined in the grid pen and
// filled white; the axes stay uncovered.
void drawGrid(const ViewLayout& layout, const ScenePen& pen, Scene& scene) {
    const int left = layout.chartLeft + 1;
    scene.emplace_back(
        GridCmd{.area = {left, layout.chartTop, left + plotWidth, layout.chartTop + plotHeight},
                .cellSize = gridStep,
                .pen = pen,
                .fill = {.color = sceneWhite}});
}

// One segment per pair of consecutive accesses, no markers.
void drawSeries(const ViewLayout& layout, int accessCount, const std::array<double, stepCapacity>& values,
                const ScenePen& pen, Scene& scene) {
    PolylineCmd series{.pen = pen};
    series.points.reserve(static_cast<std::size_t>(accessCount));
    for (int j = 0; j < accessCount; ++j) {
        series.points.push_back(plotPoint(layout, j, accessCount, values[static_cast<std::size_t>(j)]));
    }
    scene.emplace_back(std::move(series));
}

} // namespace

void drawMissChart(const ViewLayout& layout, const ChartPens& pens, Scene& scene, Language language) {
    const int accessCount = chartedAccessCount();
    const SceneFont font = labelFont(layout);
    drawAxes(layout, scene);
    drawCaptions(layout, font, language, scene);
    drawTickLabels(layout, accessCount, font, scene);
    drawGrid(layout, pens.grid, scene);
    drawSeries(layout, accessCount, simulationState.missFlag, pens.outcome, scene);
    drawSeries(layout, accessCount, simulationState.missRate, pens.rate, scene);
}
