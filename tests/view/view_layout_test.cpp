#include "view/view_layout.h"

#include <gtest/gtest.h>

namespace {

bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(ViewLayout, FollowsTheWindows10ClientArea) {
    const ViewLayout layout = computeViewLayout(RECT{0, 0, 904, 466});
    EXPECT_EQ(layout.cellGap, 5);
    EXPECT_EQ(layout.colUnit, 30);
    EXPECT_EQ(layout.rowUnit, 23);
    EXPECT_EQ(layout.cellW, 79);
    EXPECT_EQ(layout.cellH, 24);
    EXPECT_EQ(labelFontHeight(layout), 11);
}

TEST(ViewLayout, FollowsTheWineClientArea) {
    const ViewLayout layout = computeViewLayout(RECT{0, 0, 914, 481});
    EXPECT_EQ(layout.colUnit, 30);
    EXPECT_EQ(layout.rowUnit, 24);
    EXPECT_EQ(layout.cellW, 80); // (914 - 60 - 45) / 10, truncated
    EXPECT_EQ(layout.cellH, 25); // (481 - 50) / 17, truncated
    EXPECT_EQ(labelFontHeight(layout), 11);
}

TEST(ViewLayout, PanelColumnsRowsAndRamStripOf904By466) {
    const ViewLayout layout = computeViewLayout(RECT{0, 0, 904, 466});
    for (int r = 0; r < 10; ++r) {
        EXPECT_EQ(panelColumnLeft(layout, r), 30 + 84 * r);
    }
    EXPECT_EQ(panelColumnLeft(layout, 9), 786);
    EXPECT_TRUE(cacheCellRect(layout, 1, 2) == (RECT{114, 71, 193, 95}));
    EXPECT_EQ(ramStripTop(layout), 432);
    EXPECT_TRUE(ramCellRect(layout, 9) == (RECT{786, 432, 865, 456}));
}

TEST(ViewLayout, ChartKeepsItsPlaceWhateverTheClientSize) {
    for (const RECT client : {RECT{0, 0, 904, 466}, RECT{0, 0, 400, 200}, RECT{0, 0, 1600, 1200}}) {
        const ViewLayout layout = computeViewLayout(client);
        EXPECT_EQ(layout.chartLeft, 70);
        EXPECT_EQ(layout.chartTop, 30);
        EXPECT_EQ(layout.chartRight, 870);
        EXPECT_EQ(layout.chartBottom, 430);
    }
}

// At ordinary heights the title's rectangle is upside down; its mid-point still lies above the chart.
TEST(ViewLayout, ChartTitleRectangleIsPassedAsComputed) {
    EXPECT_TRUE(chartTitleRect(computeViewLayout(RECT{0, 0, 904, 466})) == (RECT{60, 20, 900, -6}));
    EXPECT_TRUE(chartTitleRect(computeViewLayout(RECT{0, 0, 914, 481})) == (RECT{60, 20, 910, -5}));
}

} // namespace
