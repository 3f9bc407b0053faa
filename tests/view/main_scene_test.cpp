#include "scene_testing.h"
#include "scenes.h"

#include "config/cache_config.h"
#include "config/validation.h"
#include "core_state.h"
#include "engine/simulation_state.h"
#include "view/main_scene.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Layout of a 904 x 466 client: columns at 30 + 84 r, 79 wide; rows at 23 + 24 k, 24 high; RAM strip
// 432..456.
SceneRect cell(int r, int k) {
    return SceneRect{30 + 84 * r, 23 + 24 * k, 109 + 84 * r, 47 + 24 * k};
}
SceneRect ramCell(int r) {
    return SceneRect{30 + 84 * r, 432, 109 + 84 * r, 456};
}

constexpr ScenePen blackOutline{PenStyle::Solid, 1, 0x000000};
constexpr ScenePen blueFrame{PenStyle::Solid, 2, 0xff0000};
const SceneFont labelFontOf904By466{"NewFont", 11, 7, 700};

Scene recorded() {
    return recordMainView(standardClient);
}

class MainScene : public ::testing::Test {
  protected:
    void SetUp() override { startFromStartup(); }
};

TEST_F(MainScene, BeforeAnyResultsAndAfterEverySetareModOnlyTheSplash) {
    showSplash();
    const Scene splash = recorded();
    ASSERT_EQ(commandKinds(splash), "I");
    EXPECT_EQ(std::get<PictureCmd>(splash[0]).picture, ScenePicture::Splash);
    EXPECT_EQ(std::get<PictureCmd>(splash[0]).corner, (ScenePoint{150, 50}));

    runIndividual(MappingMethod::Direct);
    applySetup(ConfigSetup{.cacheKb = 3}); // "Setare mod" clears the results, valid or not
    ASSERT_NE(cacheConfig.configErrors, 0u);
    EXPECT_EQ(commandKinds(recorded()), "I");
}

TEST_F(MainScene, ResultsOfAConfigurationThatNoLongerValidatesShowNothing) {
    runGivenSequenceOnce();
    cacheConfig.blockSizeBytes = 100;
    validateConfiguration();
    ASSERT_NE(cacheConfig.configErrors, 0u);
    ASSERT_EQ(resultsReady, 1);
    EXPECT_TRUE(recorded().empty());
}

struct MethodCase {
    MappingMethod method;
    std::string sentence;
    ScenePicture diagram;
    ScenePoint corner;
};

// Titles first, then the bookkeeping, the single cache column and its RAM cell, and the diagram last.
TEST_F(MainScene, IndividualModeShowsTitlesPanelsAndTheMethodsDiagramLast) {
    const MethodCase cases[] = {
        {MappingMethod::Direct,
         "METODA DE MAPARE DIRECTA A MEMORIEI CACHE ",
         ScenePicture::DirectMapping,
         {350, 50}},
        {MappingMethod::Associative,
         "METODA DE MAPARE ASOCIATIVA A MEMORIEI CACHE ",
         ScenePicture::AssociativeMapping,
         {350, 50}},
        {MappingMethod::SetAssociative,
         "METODA DE MAPARE ASOCIATIVA PE SETURI A MEMORIEI CACHE ",
         ScenePicture::SetAssociativeMapping,
         {350, 30}},
    };
    for (const MethodCase& method : cases) {
        runIndividual(method.method);
        const Scene scene = recorded();
        ASSERT_GE(scene.size(), 3u);
        const TextCmd& cacheTitle = std::get<TextCmd>(scene[0]);
        EXPECT_EQ(cacheTitle.text, "MEMORIA CACHE (bloc: tag)\t\t" + std::string(34, ' ') + method.sentence);
        EXPECT_EQ(cacheTitle.rect, (SceneRect{15, 0, 904, 24}));
        EXPECT_EQ(cacheTitle.format.align, TextAlign::Left);
        EXPECT_FALSE(cacheTitle.format.expandsTabs);
        const TextCmd& ramTitle = std::get<TextCmd>(scene[1]);
        EXPECT_EQ(ramTitle.text, "MEMORIA RAM (bloc B, tag T)");
        EXPECT_EQ(ramTitle.rect, (SceneRect{15, 408, 208, 432}));
        EXPECT_EQ(ramTitle.format.align, TextAlign::Centre);
        const PictureCmd& diagram = std::get<PictureCmd>(scene.back());
        EXPECT_EQ(diagram.picture, method.diagram);
        EXPECT_EQ(diagram.corner, method.corner);
        EXPECT_EQ(commandsOf<PictureCmd>(scene).size(), 1u);
        for (const TextCmd& text : commandsOf<TextCmd>(scene)) {
            EXPECT_EQ(text.font, labelFontOf904By466) << text.text;
            EXPECT_TRUE(text.format.singleLine && text.format.verticallyCentred && text.format.clipped);
            EXPECT_EQ(text.color, sceneBlack);
            EXPECT_EQ(text.background, sceneWhite);
        }
    }
}

// Column 0 is text only; column 1 holds the cache after the step, filled with the engine's colours, and the
// one RAM cell names the block and tag looked up.
TEST_F(MainScene, IndividualModeHasBookkeepingBesideOneCacheColumnAndOneRamCell) {
    runIndividual(MappingMethod::Associative);
    const Scene scene = recorded();
    const CacheSnapshot& cache = simulationState.snapshots[1];
    std::vector<RectangleCmd> rectangles = commandsOf<RectangleCmd>(scene);
    ASSERT_EQ(rectangles.size(), 17u); // 16 cells and one RAM cell, no frames
    for (int k = 0; k < 16; ++k) {
        EXPECT_EQ(rectangles[slot(k)].rect, cell(1, k));
        EXPECT_EQ(rectangles[slot(k)].fill.color, cache.blockColor[slot(k)]) << k;
    }
    EXPECT_EQ(rectangles[16].rect, ramCell(1));
    const std::vector<std::string> texts = textsOf(scene);
    // Two titles, then "in = " and "cnt = " for each block, then the cells, then the RAM cell.
    ASSERT_EQ(texts.size(), 2u + 32u + 16u + 2u);
    EXPECT_EQ(texts[2], "in = " + std::to_string(cache.loadStep[0]));
    EXPECT_EQ(texts[3].rfind("cnt = ", 0), 0u);
    const TextCmd lowerHalf = commandsOf<TextCmd>(scene)[3];
    EXPECT_EQ(lowerHalf.rect, (SceneRect{30, 35, 109, 47}));
    EXPECT_EQ(lowerHalf.format.align, TextAlign::Left);
    EXPECT_EQ(texts[texts.size() - 2], "B=" + std::to_string(simulationState.stepRecords[1].ramBlock));
    EXPECT_EQ(texts.back(), "T=" + std::to_string(simulationState.stepRecords[1].tag));
    // Sixteen accesses filled the cache and the seventeenth evicted the least recently used block, 0.
    EXPECT_EQ(rectangles[0].fill.color, evictedBlockColor);
}

TEST_F(MainScene, DirectIndividualBookkeepingIsTheLoadStepOnTheWholeRow) {
    runIndividual(MappingMethod::Direct);
    const std::vector<TextCmd> texts = commandsOf<TextCmd>(recorded());
    EXPECT_EQ(texts[2].text.rfind("in = ", 0), 0u);
    EXPECT_EQ(texts[2].rect, cell(0, 0));
    EXPECT_EQ(texts[2].format.align, TextAlign::Centre);
    EXPECT_EQ(texts[3].text.rfind("in = ", 0), 0u); // no LRU row without a replacement policy
}

// Each cell outlined in black and filled with its block's colour after that access, labelled with its block
// and tag; the cells pass first, column by column, then the RAM strip.
TEST_F(MainScene, GivenSequenceRunOnceShowsTenColumnsOfTheCacheAfterEachAccess) {
    runGivenSequenceOnce();
    const Scene scene = recorded();
    const std::vector<std::string> titles{textsOf(scene)[0], textsOf(scene)[1]};
    EXPECT_EQ(titles[0], "BLOCURILE IN MEMORIA CACHE (bloc: tag)");
    EXPECT_EQ(titles[1], "BLOCURILE IN MEMORIA RAM (bloc B, tag T)");
    EXPECT_EQ(commandsOf<TextCmd>(scene)[0].rect, (SceneRect{0, 0, 904, 24}));
    EXPECT_EQ(commandsOf<TextCmd>(scene)[1].rect, (SceneRect{0, 408, 904, 432}));
    EXPECT_EQ(
        commandKinds(scene), "TT" + [] {
            std::string cellsThenStrip;
            for (int i = 0; i < 160; ++i) {
                cellsThenStrip += "RT";
            }
            for (int i = 0; i < 10; ++i) {
                cellsThenStrip += "RTT";
            }
            return cellsThenStrip;
        }());
    const std::vector<RectangleCmd> rectangles = commandsOf<RectangleCmd>(scene);
    const std::vector<TextCmd> texts = commandsOf<TextCmd>(scene);
    for (int r = 0; r < 10; ++r) {
        const CacheSnapshot& cache = simulationState.snapshots[slot(r)];
        for (int k = 0; k < 16; ++k) {
            const RectangleCmd& cacheCell = rectangles[slot(16 * r + k)];
            EXPECT_EQ(cacheCell.rect, cell(r, k));
            EXPECT_EQ(cacheCell.pen, blackOutline);
            EXPECT_EQ(cacheCell.fill, (SceneFill{false, cache.blockColor[slot(k)]})) << r << ", " << k;
            EXPECT_EQ(texts[slot(2 + 16 * r + k)].rect, cell(r, k));
        }
        EXPECT_EQ(rectangles[slot(160 + r)].rect, ramCell(r));
        EXPECT_EQ(rectangles[slot(160 + r)].fill, (SceneFill{false, sceneWhite}));
        EXPECT_EQ(texts[slot(162 + 2 * r)].rect, (SceneRect{30 + 84 * r, 433, 109 + 84 * r, 445}));
        EXPECT_EQ(texts[slot(163 + 2 * r)].rect, (SceneRect{30 + 84 * r, 444, 109 + 84 * r, 456}));
    }
    // Access 2 (16384) and access 3 (0) refill block 0 by eviction, access 9 (17408) block 1.
    EXPECT_EQ(rectangles[16 * 2].fill.color, evictedBlockColor);
    EXPECT_EQ(rectangles[16 * 3].fill.color, evictedBlockColor);
    EXPECT_EQ(rectangles[16 * 4].fill.color, filledBlockColor); // a refill shows for one step only
    EXPECT_EQ(rectangles[16 * 9 + 1].fill.color, evictedBlockColor);
    EXPECT_EQ(rectangles[16 * 9 + 6].fill.color, emptyBlockColor);
    EXPECT_EQ(texts[2].text, "0: 0");
    EXPECT_EQ(texts[3].text, "1: NA");
    EXPECT_EQ(texts[162].text, "B=0");
    EXPECT_EQ(texts[163].text, "T=0");
    EXPECT_EQ(texts[166].text, "B=16");
    EXPECT_EQ(texts[167].text, "T=1");
}

TEST_F(MainScene, TwoBlocksGetTwoRowsAndTheRamStripStaysLow) {
    const ConfigSetup twoBlocks{
        .ramMb = 1, .cacheKb = 16, .blockBytes = 8192, .mode = WorkMode::GivenSequence, .iterations = 1};
    runWith(twoBlocks, {0, 8192, 16384, 0, 0, 0, 0, 0, 0, 0});
    const std::vector<RectangleCmd> rectangles = commandsOf<RectangleCmd>(recorded());
    ASSERT_EQ(rectangles.size(), 10u * 2u + 10u);
    EXPECT_EQ(rectangles[1].rect, cell(0, 1));
    EXPECT_EQ(rectangles[20].rect, ramCell(0));
}

// Hollow blue frames of h consecutive cells, drawn after all the cells and before the RAM strip.
TEST_F(MainScene, SetFramesEncloseTheBlocksOfEachSetInEveryColumn) {
    for (int sets : {2, 8}) {
        runSetAssociativeOnce(sets);
        const int blocksPerSet = 8 / sets;
        const Scene scene = recorded();
        std::vector<RectangleCmd> frames;
        for (const RectangleCmd& rectangle : commandsOf<RectangleCmd>(scene)) {
            if (rectangle.fill.hollow) {
                frames.push_back(rectangle);
            }
        }
        ASSERT_EQ(frames.size(), slot(10 * sets));
        for (int r = 0; r < 10; ++r) {
            for (int s = 0; s < sets; ++s) {
                const RectangleCmd& frame = frames[slot(r * sets + s)];
                EXPECT_EQ(frame.pen, blueFrame);
                EXPECT_EQ(frame.rect, (SceneRect{30 + 84 * r, 23 + s * 24 * blocksPerSet, 109 + 84 * r,
                                                 23 + (s + 1) * 24 * blocksPerSet}));
            }
        }
        const std::string kinds = commandKinds(scene);
        EXPECT_EQ(kinds.substr(2 + 2 * 80, slot(10 * sets)), std::string(slot(10 * sets), 'R')) << sets;
    }
}

TEST_F(MainScene, IndividualSetAssociativeFramesOnlyTheCacheColumn) {
    runIndividual(MappingMethod::SetAssociative);
    std::vector<SceneRect> frames;
    for (const RectangleCmd& rectangle : commandsOf<RectangleCmd>(recorded())) {
        if (rectangle.fill.hollow) {
            frames.push_back(rectangle.rect);
        }
    }
    ASSERT_EQ(frames.size(), 4u); // 4 sets of 4 blocks
    EXPECT_EQ(frames[0], (SceneRect{114, 23, 193, 119}));
    EXPECT_EQ(frames[3], (SceneRect{114, 311, 193, 407}));
}

// Ten panel columns for one pass of the given sequence, the chart for every other count.
TEST_F(MainScene, GivenSequenceShowsPanelsOnlyWhenRunOnce) {
    runGivenSequenceOnce();
    EXPECT_TRUE(commandsOf<GridCmd>(recorded()).empty());
    for (int iterations : {2, 10}) {
        runGivenChart(iterations);
        const Scene scene = recorded();
        EXPECT_EQ(commandsOf<GridCmd>(scene).size(), 1u) << iterations;
        EXPECT_TRUE(commandsOf<RectangleCmd>(scene).empty()) << iterations;
        EXPECT_EQ(textsOf(scene)[0], "(Decizia hit/miss cache - secventa data de blocuri (negru - hit/miss, "
                                     "rosu - rata de pierderi))");
    }
}

// Every paint recomputes the miss-rate series from the outcomes, and only that.
TEST_F(MainScene, RecordingRecomputesTheMissRateAndLeavesTheIterationCount) {
    for (int iterations : {2, 3, 10}) {
        runGivenChart(iterations);
        simulationState.missRate.fill(0.25);
        recorded();
        EXPECT_DOUBLE_EQ(simulationState.missRate[2], 1.0 / 3.0);
        EXPECT_EQ(cacheConfig.iterationCount, iterations);
    }
    runRandomChart(37);
    recorded();
    EXPECT_EQ(cacheConfig.iterationCount, 37);
}

// The panels follow the client size; the client's width bounds the titles.
TEST_F(MainScene, PanelsFollowTheClientArea) {
    runGivenSequenceOnce();
    const Scene scene = recordMainView(SceneRect{0, 0, 914, 481});
    EXPECT_EQ(commandsOf<TextCmd>(scene)[0].rect, (SceneRect{0, 0, 914, 25}));
    EXPECT_EQ(commandsOf<RectangleCmd>(scene)[0].rect, (SceneRect{30, 24, 110, 49}));
    EXPECT_EQ(commandsOf<TextCmd>(scene)[0].font.height, 11);
}

} // namespace
