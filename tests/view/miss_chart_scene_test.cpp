#include "scene_testing.h"
#include "scenes.h"

#include "config/cache_config.h"
#include "core_state.h"
#include "engine/simulation_state.h"
#include "view/main_scene.h"

#include <gtest/gtest.h>

#include <string>

namespace {

int pointX(int j, int accessCount) {
    return 70 + j * 800 / accessCount;
}
int pointY(double value) {
    return 430 - static_cast<int>(400.0 * value);
}

class MissChartScene : public ::testing::Test {
  protected:
    void SetUp() override { startFromStartup(); }

    static std::vector<PolylineCmd> lines() {
        return commandsOf<PolylineCmd>(recordMainView(standardClient));
    }
};

// The title over the chart, then the axes, the captions and tick labels, the grid, and the two series last.
TEST_F(MissChartScene, TitleFirstThenAxesLabelsGridAndTheTwoSeries) {
    runRandomChart(10);
    const Scene scene = recordMainView(standardClient);
    EXPECT_EQ(commandKinds(scene), "TPP" + std::string(1 + 13 + 5 + 5, 'T') + "GPP");
    const TextCmd& title = std::get<TextCmd>(scene[0]);
    EXPECT_EQ(title.text,
              "(Decizia hit/miss cache - secventa aleatoare de blocuri (negru - hit/miss, rosu - rata "
              "de pierderi))");
    EXPECT_EQ(title.rect, (SceneRect{60, 20, 900, -6})); // upside down, passed as computed
    EXPECT_EQ(title.format.align, TextAlign::Centre);
    EXPECT_TRUE(title.format.verticallyCentred);
}

TEST_F(MissChartScene, AxesRunAlongTheLeftAndBottomOfThePlotInTheDefaultPen) {
    runRandomChart(100);
    const std::vector<PolylineCmd> polylines = lines();
    ASSERT_EQ(polylines.size(), 4u);
    EXPECT_EQ(polylines[0].points, (std::vector<ScenePoint>{{70, 30}, {70, 430}}));
    EXPECT_EQ(polylines[1].points, (std::vector<ScenePoint>{{70, 430}, {870, 430}}));
    EXPECT_EQ(polylines[0].pen, (ScenePen{PenStyle::Solid, 1, sceneBlack}));
}

// 80 x 40 dotted grey cells of 10 pixels from x = 71 to 870 and y = 30 to 429, filled white.
TEST_F(MissChartScene, GridOfDottedCellsCoversThePlotRightOfTheAxis) {
    runRandomChart(10);
    const std::vector<GridCmd> grids = commandsOf<GridCmd>(recordMainView(standardClient));
    ASSERT_EQ(grids.size(), 1u);
    EXPECT_EQ(grids[0].area, (SceneRect{71, 30, 871, 430}));
    EXPECT_EQ(grids[0].cellSize, 10);
    EXPECT_EQ(grids[0].pen, (ScenePen{PenStyle::Dotted, 1, sceneRgb(200, 200, 200)}));
    EXPECT_EQ(grids[0].fill, (SceneFill{false, sceneWhite}));
}

// The vertical caption one character to a 15-pixel box from y = 100, the horizontal one under the axis, tick
// labels beside the grid lines of 100 .. 0 % and under the quarters of the accesses.
TEST_F(MissChartScene, CaptionsAndTickLabels) {
    runRandomChart(10);
    const std::vector<TextCmd> texts = commandsOf<TextCmd>(recordMainView(standardClient));
    ASSERT_EQ(texts.size(), 1u + 1u + 13u + 5u + 5u);
    EXPECT_EQ(texts[1].text, "Numar de iteratii");
    EXPECT_EQ(texts[1].rect, (SceneRect{70, 445, 870, 465}));
    const std::string caption = "Miss cacche %";
    for (int k = 0; k < 13; ++k) {
        EXPECT_EQ(texts[slot(2 + k)].text, caption.substr(slot(k), 1));
        EXPECT_EQ(texts[slot(2 + k)].rect, (SceneRect{25, 100 + 15 * k, 40, 115 + 15 * k}));
    }
    const char* percents[] = {"100", "75", "50", "25", "0"};
    const char* accesses[] = {"0", "2", "5", "7", "10"};
    for (int q = 0; q < 5; ++q) {
        EXPECT_EQ(texts[slot(15 + q)].text, percents[q]);
        EXPECT_EQ(texts[slot(15 + q)].rect, (SceneRect{45, 25 + 100 * q, 68, 35 + 100 * q}));
        EXPECT_EQ(texts[slot(20 + q)].text, accesses[q]);
        EXPECT_EQ(texts[slot(20 + q)].rect, (SceneRect{55 + 200 * q, 435, 85 + 200 * q, 450}));
    }
}

// One point per access, the outcomes in the 3-pixel black pen and the running rate in the 3-pixel red one.
TEST_F(MissChartScene, SeriesHaveOnePointPerChartedAccess) {
    for (int accessCount : {10, 37, 100}) {
        runRandomChart(accessCount);
        const std::vector<PolylineCmd> polylines = lines();
        const PolylineCmd& outcomes = polylines[2];
        const PolylineCmd& rate = polylines[3];
        ASSERT_EQ(outcomes.points.size(), slot(accessCount));
        ASSERT_EQ(rate.points.size(), slot(accessCount));
        EXPECT_EQ(outcomes.pen, (ScenePen{PenStyle::Solid, 3, sceneBlack}));
        EXPECT_EQ(rate.pen, (ScenePen{PenStyle::Solid, 3, sceneRgb(255, 0, 0)}));
        for (int j = 0; j < accessCount; ++j) {
            EXPECT_EQ(outcomes.points[slot(j)],
                      (ScenePoint{pointX(j, accessCount), pointY(simulationState.missFlag[slot(j)])}));
            EXPECT_EQ(rate.points[slot(j)],
                      (ScenePoint{pointX(j, accessCount), pointY(simulationState.missRate[slot(j)])}));
        }
        EXPECT_EQ(outcomes.points.back().x, pointX(accessCount - 1, accessCount));
    }
    EXPECT_EQ(pointX(99, 100), 862);
}

// Three passes: 30 accesses. Miss, hit, hit puts the rate at exactly 1/3 after the third access, 133 pixels
// above the axis once truncated.
TEST_F(MissChartScene, GivenSequenceRepeatedThreeTimesPlotsThirtyAccesses) {
    runGivenChart(3);
    const std::vector<PolylineCmd> polylines = lines();
    ASSERT_EQ(polylines[3].points.size(), 30u);
    EXPECT_EQ(polylines[3].points[2], (ScenePoint{123, 297}));
    const std::vector<TextCmd> texts = commandsOf<TextCmd>(recordMainView(standardClient));
    EXPECT_EQ(texts[20].text, "0");
    EXPECT_EQ(texts[21].text, "7");
    EXPECT_EQ(texts[22].text, "15");
    EXPECT_EQ(texts[23].text, "22");
    EXPECT_EQ(texts[24].text, "30");
}

// The product 400 x rate is a double before it is truncated: 400 x 0.6 and 400 x 0.3 are 240 and 120 exactly
// in double arithmetic, though a wider intermediate, as the x87's, gives 239.99... and 119.99... and draws
// those points a pixel lower. Every build must draw them where a double puts them.
TEST_F(MissChartScene, RatePointsTruncateTheDoubleProduct) {
    const ConfigSetup direct{.mode = WorkMode::GivenSequence, .iterations = 2};
    runWith(direct, {0, 1024, 2048, 0, 0, 1024, 2048, 0, 0, 0}); // three misses, then hits
    const PolylineCmd rate = lines()[3];
    ASSERT_EQ(simulationState.missRate[4], 0.6);
    ASSERT_EQ(simulationState.missRate[9], 0.3);
    EXPECT_EQ(rate.points[4], (ScenePoint{230, 190}));
    EXPECT_EQ(rate.points[9], (ScenePoint{430, 310}));
}

// The chart does not follow the client; only the label font does.
TEST_F(MissChartScene, KeepsItsPlaceWhateverTheClient) {
    runRandomChart(100);
    const Scene standard = recordMainView(standardClient);
    const Scene larger = recordMainView(SceneRect{0, 0, 1000, 600});
    EXPECT_EQ(commandsOf<GridCmd>(standard)[0].area, commandsOf<GridCmd>(larger)[0].area);
    EXPECT_EQ(commandsOf<PolylineCmd>(standard)[3].points, commandsOf<PolylineCmd>(larger)[3].points);
    EXPECT_NE(commandsOf<TextCmd>(standard)[1].font, commandsOf<TextCmd>(larger)[1].font);
}

} // namespace
