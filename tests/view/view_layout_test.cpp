#include "view/view_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(ViewLayout, FollowsTheWindows10ClientArea) {
    const ViewLayout layout = computeViewLayout(SceneRect{0, 0, 904, 466});
    EXPECT_EQ(layout.cellGap, 5);
    EXPECT_EQ(layout.colUnit, 30);
    EXPECT_EQ(layout.rowUnit, 23);
    EXPECT_EQ(layout.cellW, 79);
    EXPECT_EQ(layout.cellH, 24);
    EXPECT_EQ(labelFontHeight(layout), 11);
}

TEST(ViewLayout, FollowsTheWineClientArea) {
    const ViewLayout layout = computeViewLayout(SceneRect{0, 0, 914, 481});
    EXPECT_EQ(layout.colUnit, 30);
    EXPECT_EQ(layout.rowUnit, 24);
    EXPECT_EQ(layout.cellW, 80); // (914 - 60 - 45) / 10, truncated
    EXPECT_EQ(layout.cellH, 25); // (481 - 50) / 17, truncated
    EXPECT_EQ(labelFontHeight(layout), 11);
}

TEST(ViewLayout, PanelColumnsRowsAndRamStripOf904By466) {
    const ViewLayout layout = computeViewLayout(SceneRect{0, 0, 904, 466});
    for (int r = 0; r < 10; ++r) {
        EXPECT_EQ(panelColumnLeft(layout, r), 30 + 84 * r);
    }
    EXPECT_EQ(panelColumnLeft(layout, 9), 786);
    EXPECT_EQ(cacheCellRect(layout, 1, 2), (SceneRect{114, 71, 193, 95}));
    EXPECT_EQ(ramStripTop(layout), 432);
    EXPECT_EQ(ramCellRect(layout, 9), (SceneRect{786, 432, 865, 456}));
}

TEST(ViewLayout, ChartKeepsItsPlaceWhateverTheClientSize) {
    for (const SceneRect client :
         {SceneRect{0, 0, 904, 466}, SceneRect{0, 0, 400, 200}, SceneRect{0, 0, 1600, 1200}}) {
        const ViewLayout layout = computeViewLayout(client);
        EXPECT_EQ(layout.chartLeft, 70);
        EXPECT_EQ(layout.chartTop, 30);
        EXPECT_EQ(layout.chartRight, 870);
        EXPECT_EQ(layout.chartBottom, 430);
    }
}

// At ordinary heights the title's rectangle is upside down; its mid-point still lies above the chart.
TEST(ViewLayout, ChartTitleRectangleIsPassedAsComputed) {
    EXPECT_EQ(chartTitleRect(computeViewLayout(SceneRect{0, 0, 904, 466})), (SceneRect{60, 20, 900, -6}));
    EXPECT_EQ(chartTitleRect(computeViewLayout(SceneRect{0, 0, 914, 481})), (SceneRect{60, 20, 910, -5}));
}

} // namespace
