#include "canvas.h"
#include "scenes.h"

#include "config/cache_config.h"
#include "core_state.h"
#include "engine/simulation_state.h"
#include "windows/gdi_surface.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr int chartLeft = 70;
constexpr int chartTop = 30;
constexpr int chartRight = 870;
constexpr int chartBottom = 430;

int pointX(int j, int accessCount) {
    return chartLeft + j * 800 / accessCount;
}
int pointY(double value) {
    return chartBottom - static_cast<int>(400.0 * value);
}
double rateAt(int j) {
    return simulationState.missRate[static_cast<std::size_t>(j)];
}
double outcomeAt(int j) {
    return simulationState.missFlag[static_cast<std::size_t>(j)];
}

class MissChart : public ::testing::Test {
  protected:
    void SetUp() override { startFromStartup(); }

    // The red curve passes through every point of the miss rate, the black line through every outcome that
    // the curve does not cover, and nothing is plotted beyond the last access.
    void expectPointsOf(int accessCount) {
        for (int j = 0; j < accessCount; ++j) {
            const int x = pointX(j, accessCount);
            EXPECT_TRUE(isRed(canvas.pixel(x, pointY(rateAt(j))))) << "rate point " << j;
            if (std::abs(pointY(outcomeAt(j)) - pointY(rateAt(j))) > 3) {
                EXPECT_TRUE(isInk(canvas.pixel(x, pointY(outcomeAt(j))))) << "outcome point " << j;
            }
        }
        const int beyond = pointX(accessCount - 1, accessCount) + 3;
        EXPECT_FALSE(canvas.any(RECT{beyond, 0, 904, 466}, isRed));
        EXPECT_FALSE(canvas.any(RECT{beyond, chartTop - 2, chartRight + 5, chartBottom - 2}, isInk));
    }

    Canvas canvas;
};

TEST_F(MissChart, TenAccessesArePlottedEightyPixelsApart) {
    runRandomChart(10);
    canvas.paint();
    for (int j = 0; j < 10; ++j) {
        EXPECT_EQ(pointX(j, 10), 70 + 80 * j);
    }
    expectPointsOf(10);
}

TEST_F(MissChart, HundredAccessesArePlottedEightPixelsApartUpTo862) {
    runRandomChart(100);
    canvas.paint();
    EXPECT_EQ(pointX(99, 100), 862);
    expectPointsOf(100);
}

// Three passes of the given sequence: 30 accesses. Miss, hit, hit puts the miss rate at exactly 1/3 after the
// third access, 133 pixels above the axis once truncated.
TEST_F(MissChart, GivenSequenceRepeatedThreeTimesPlotsThirtyAccesses) {
    runGivenChart(3);
    canvas.paint();
    EXPECT_EQ(cacheConfig.iterationCount, 3);
    ASSERT_DOUBLE_EQ(rateAt(2), 1.0 / 3.0);
    EXPECT_TRUE(isRed(canvas.pixel(pointX(2, 30), 297)));
    EXPECT_EQ(pointX(2, 30), 123);
    expectPointsOf(30);
}

// The axes: x = 70 from the chart's top down, y = 430 from the axis to 869; neither is covered by the grid.
TEST_F(MissChart, AxesRunAlongTheLeftAndBottomOfThePlot) {
    runRandomChart(100);
    canvas.paint();
    for (int y = chartTop + 5; y < chartBottom; y += 5) {
        EXPECT_TRUE(isInk(canvas.pixel(chartLeft, y))) << y;
    }
    for (int x = chartLeft; x < chartRight; x += 5) {
        EXPECT_TRUE(isInk(canvas.pixel(x, chartBottom))) << x;
    }
    EXPECT_FALSE(isInk(canvas.pixel(chartLeft, chartTop - 2)));
    EXPECT_FALSE(isInk(canvas.pixel(chartRight + 1, chartBottom)));
}

// 80 x 40 dotted cells from x = 71 to 870 and y = 30 to 429, and no grid anywhere else.
TEST_F(MissChart, GridCoversThePlotAndNothingElse) {
    runRandomChart(10);
    canvas.paint();
    for (int i = 0; i < 80; ++i) {
        for (int r = 0; r < 40; ++r) {
            const int left = chartLeft + 10 * i + 1;
            const int bottom = chartBottom - 10 * r;
            EXPECT_TRUE(canvas.any(RECT{left, bottom - 10, left + 10, bottom}, isGridGrey)) << i << ", " << r;
        }
    }
    EXPECT_FALSE(canvas.any(RECT{0, 0, chartLeft + 1, 466}, isGridGrey));
    EXPECT_FALSE(canvas.any(RECT{chartRight + 1, 0, 904, 466}, isGridGrey));
    EXPECT_FALSE(canvas.any(RECT{0, 0, 904, chartTop}, isGridGrey));
    EXPECT_FALSE(canvas.any(RECT{0, chartBottom, 904, 466}, isGridGrey));
}

// The grid is 3 200 cells, each (70 + 10i + 1, 430 - 10r) to (70 + 10i + 11, 430 - 10r - 10), outlined with
// the dotted grey pen and filled with the DC's white brush. The surface's grid must match those cells pixel
// for pixel.
TEST_F(MissChart, GridIsTheDottedCellsPixelForPixel) {
    const ScenePen gridPen{PenStyle::Dotted, 1, sceneRgb(200, 200, 200)};
    replayScene(
        canvas.dc(),
        Scene{GridCmd{
            .area = {71, 30, 871, 430}, .cellSize = 10, .pen = gridPen, .fill = {false, sceneWhite}}});
    Canvas cells;
    const HPEN pen = CreatePen(PS_DOT, 1, RGB(200, 200, 200));
    const HGDIOBJ previous = SelectObject(cells.dc(), pen);
    for (int i = 0; i < 80; ++i) {
        for (int r = 0; r < 40; ++r) {
            Rectangle(cells.dc(), chartLeft + 10 * i + 1, chartBottom - 10 * r, chartLeft + 10 * i + 11,
                      chartBottom - 10 * r - 10);
        }
    }
    SelectObject(cells.dc(), previous);
    DeleteObject(pen);
    GdiFlush();
    int differences = 0;
    for (int y = 0; y < Canvas::clientHeight; ++y) {
        for (int x = 0; x < Canvas::clientWidth; ++x) {
            differences += canvas.pixel(x, y) == cells.pixel(x, y) ? 0 : 1;
        }
    }
    EXPECT_EQ(differences, 0);
    EXPECT_GT(cells.count(cells.client(), isGridGrey), 3200);
}

// A dotted pen's gaps are its own colour, not the background of the text drawn before it: along a dotted line
// and a grid cell's outline every pixel is the pen's colour or its gaps' colour, and both show.
TEST_F(MissChart, DottedPensPaintTheirGapsInTheirOwnColour) {
    const SceneColor red = sceneRgb(255, 0, 0);
    const SceneColor green = sceneRgb(0, 255, 0);
    const SceneColor blue = sceneRgb(0, 0, 255);
    const ScenePen linePen{PenStyle::Dotted, 1, sceneBlack, green};
    const ScenePen cellPen{PenStyle::Dotted, 1, sceneBlack, blue};
    replayScene(
        canvas.dc(),
        Scene{
            TextCmd{.text = "x", .rect = {0, 0, 40, 20}, .font = {"NewFont", 11, 7, 700}, .background = red},
            PolylineCmd{.points = {{10, 100}, {100, 100}}, .pen = linePen},
            TextCmd{.text = "y", .rect = {0, 20, 40, 40}, .font = {"NewFont", 11, 7, 700}, .background = red},
            GridCmd{
                .area = {200, 100, 210, 110}, .cellSize = 10, .pen = cellPen, .fill = {false, sceneWhite}}});
    GdiFlush();
    const auto countOf = [&](const RECT& region, COLORREF colour) {
        int count = 0;
        for (int y = region.top; y < region.bottom; ++y) {
            for (int x = region.left; x < region.right; ++x) {
                count += canvas.pixel(x, y) == colour ? 1 : 0;
            }
        }
        return count;
    };
    const RECT line{10, 100, 100, 101};
    EXPECT_GT(countOf(line, green), 0);
    EXPECT_GT(countOf(line, sceneBlack), 0);
    EXPECT_EQ(countOf(line, green) + countOf(line, sceneBlack), 90);
    const RECT cellTop{200, 100, 210, 101};
    EXPECT_GT(countOf(cellTop, blue), 0);
    EXPECT_GT(countOf(cellTop, sceneBlack), 0);
    EXPECT_EQ(countOf(cellTop, blue) + countOf(cellTop, sceneBlack), 10);
}

// The vertical caption stands one character to a 15-pixel box from y = 100; its two spaces leave their boxes
// empty.
TEST_F(MissChart, CaptionsStandUnderAndLeftOfThePlot) {
    runRandomChart(10);
    canvas.paint();
    const RECT horizontal =
        canvas.bounds(RECT{chartLeft, chartBottom + 15, chartRight, chartBottom + 35}, isInk);
    EXPECT_NEAR((horizontal.left + horizontal.right) / 2, 470, 3);
    EXPECT_GT(horizontal.right - horizontal.left, 60);
    const wchar_t caption[] = L"Miss cacche %";
    for (int k = 0; k < 13; ++k) {
        const RECT box{chartLeft - 45, chartTop + 70 + 15 * k, chartLeft - 30, chartTop + 85 + 15 * k};
        EXPECT_EQ(canvas.any(box, isInk), caption[k] != L' ') << "character " << k;
    }
    EXPECT_FALSE(canvas.any(RECT{0, 20, chartLeft - 45, 466}, isInk));
}

// 100, 75, 50, 25 and 0 beside the grid lines; the access numbers under x = 70, 270, 470, 670 and 870.
TEST_F(MissChart, TickLabelsStandBesideTheirGridLines) {
    runRandomChart(10);
    canvas.paint();
    for (int v = 0; v <= 40; v += 10) {
        const int y = chartTop + 10 * v;
        const RECT ink = canvas.bounds(RECT{chartLeft - 25, y - 5, chartLeft - 2, y + 5}, isInk);
        EXPECT_LT(ink.left, ink.right) << v;
        EXPECT_NEAR((ink.top + ink.bottom) / 2, y, 2) << v;
    }
    for (int x = chartLeft; x <= chartRight; x += 200) {
        const RECT ink = canvas.bounds(RECT{x - 15, chartBottom + 5, x + 15, chartBottom + 20}, isInk);
        EXPECT_LT(ink.left, ink.right) << x;
        EXPECT_NEAR((ink.left + ink.right) / 2, x, 2) << x;
    }
    // "10" under the right end is wider than "2" under the first quarter.
    const RECT two = canvas.bounds(RECT{255, chartBottom + 5, 285, chartBottom + 20}, isInk);
    const RECT ten = canvas.bounds(RECT{855, chartBottom + 5, 885, chartBottom + 20}, isInk);
    EXPECT_GT(ten.right - ten.left, two.right - two.left);
}

// Apart from the title above y = 20, the chart and its labels keep to x 25..885 and y 25..465. The plot stays
// put whatever the client size; only the labels' font follows the panel rows.
TEST_F(MissChart, KeepsItsPlaceAndSizeWhateverTheClient) {
    runRandomChart(100);
    canvas.paint();
    const RECT ink = canvas.bounds(RECT{0, 20, 904, 466}, [](COLORREF c) { return !isWhite(c); });
    EXPECT_GE(ink.left, 25);
    EXPECT_LE(ink.right, 885);
    EXPECT_GE(ink.top, 25);
    EXPECT_LE(ink.bottom, 466);
    Canvas larger(1000, 600);
    larger.paint();
    int differences = 0;
    for (int y = chartTop - 2; y <= chartBottom + 2; ++y) {
        for (int x = chartLeft - 2; x <= chartRight + 2; ++x) {
            differences += canvas.pixel(x, y) == larger.pixel(x, y) ? 0 : 1;
        }
    }
    EXPECT_EQ(differences, 0);
}

} // namespace
