#include "canvas.h"
#include "scenes.h"

#include "core_state.h"
#include "engine/simulation_state.h"

#include <gtest/gtest.h>

namespace {

// Layout of a 904 x 466 client: columns at 30 + 84 r, 79 wide; rows at 23 + 24 k, 24 high; RAM strip
// 432..456.
int columnLeft(int r) {
    return 30 + 84 * r;
}
int rowTop(int k) {
    return 23 + 24 * k;
}
constexpr int cellW = 79;
constexpr int cellH = 24;
constexpr int ramTop = 432;

// A pixel of the fill, clear of the outline and of the label's white band in the middle of the cell.
COLORREF fillOf(const Canvas& canvas, int r, int k) {
    return canvas.pixel(columnLeft(r) + 3, rowTop(k) + 3);
}

class BlockPanels : public ::testing::Test {
  protected:
    void SetUp() override { startFromStartup(); }
    Canvas canvas;
};

TEST_F(BlockPanels, EachCellIsFilledWithItsBlocksColourAfterThatAccess) {
    runGivenSequenceOnce();
    canvas.paint();
    for (int r = 0; r < 10; ++r) {
        const CacheSnapshot& cache = simulationState.snapshots[static_cast<std::size_t>(r)];
        for (int k = 0; k < 16; ++k) {
            EXPECT_EQ(fillOf(canvas, r, k), cache.blockColor[static_cast<std::size_t>(k)])
                << "column " << r << ", block " << k;
            EXPECT_EQ(canvas.pixel(columnLeft(r) + cellW - 4, rowTop(k) + cellH - 4),
                      cache.blockColor[static_cast<std::size_t>(k)])
                << "column " << r << ", block " << k;
        }
    }
    // Access 2 (16384) and access 3 (0) refill block 0 by eviction, access 9 (17408) block 1.
    EXPECT_EQ(fillOf(canvas, 0, 0), COLORREF{0xe6d8ad});
    EXPECT_EQ(fillOf(canvas, 0, 1), COLORREF{0xffffff});
    EXPECT_EQ(fillOf(canvas, 2, 0), COLORREF{0xc1b6ff});
    EXPECT_EQ(fillOf(canvas, 3, 0), COLORREF{0xc1b6ff});
    EXPECT_EQ(fillOf(canvas, 4, 0), COLORREF{0xe6d8ad}); // a refill shows for one step only
    EXPECT_EQ(fillOf(canvas, 9, 1), COLORREF{0xc1b6ff});
    EXPECT_EQ(fillOf(canvas, 9, 6), COLORREF{0xffffff});
}

TEST_F(BlockPanels, TenColumnsOf79PixelsStartEvery84PixelsFrom30) {
    runGivenSequenceOnce();
    canvas.paint();
    for (int r = 0; r < 10; ++r) {
        const int left = columnLeft(r);
        const int right = left + cellW; // exclusive
        for (int k : {0, 7, 15}) {
            const int y = rowTop(k) + 3;
            EXPECT_TRUE(isInk(canvas.pixel(left, y))) << r;
            EXPECT_TRUE(isInk(canvas.pixel(right - 1, y))) << r;
            EXPECT_TRUE(isWhite(canvas.pixel(left - 1, y))) << r;
            EXPECT_TRUE(isWhite(canvas.pixel(right, y))) << r;
        }
        for (int k = 0; k < 16; ++k) {
            EXPECT_TRUE(isInk(canvas.pixel(left + 3, rowTop(k)))) << r << ", " << k;
            EXPECT_TRUE(canvas.any(RECT{left + 1, rowTop(k) + 1, right - 1, rowTop(k) + cellH - 1}, isInk))
                << "label of column " << r << ", block " << k;
        }
        EXPECT_TRUE(isWhite(canvas.pixel(left + 3, rowTop(0) - 1))) << r;
        EXPECT_TRUE(isInk(canvas.pixel(left + 3, rowTop(16) - 1))) << r;
        EXPECT_TRUE(isWhite(canvas.pixel(left + 3, rowTop(16)))) << r;
    }
}

TEST_F(BlockPanels, RamStripSpans432To456UnderEveryColumn) {
    runGivenSequenceOnce();
    canvas.paint();
    for (int r = 0; r < 10; ++r) {
        const int left = columnLeft(r);
        EXPECT_TRUE(isWhite(canvas.pixel(left + 3, ramTop - 1))) << r;
        EXPECT_TRUE(isInk(canvas.pixel(left + 3, ramTop))) << r;
        EXPECT_TRUE(isInk(canvas.pixel(left + 3, ramTop + cellH - 1))) << r;
        EXPECT_TRUE(isWhite(canvas.pixel(left + 3, ramTop + cellH))) << r;
        EXPECT_TRUE(isWhite(canvas.pixel(left + 3, ramTop + 3))) << r;
        // "B=" in the upper half, "T=" in the lower one.
        EXPECT_TRUE(canvas.any(RECT{left + 1, ramTop + 1, left + cellW - 1, ramTop + 12}, isInk)) << r;
        EXPECT_TRUE(canvas.any(RECT{left + 1, ramTop + 12, left + cellW - 1, ramTop + cellH - 1}, isInk))
            << r;
    }
}

// Column 0 of the individual mode holds the bookkeeping as text, with no outline, fill or RAM cell.
TEST_F(BlockPanels, IndividualModeShowsBookkeepingBesideOneCacheColumn) {
    for (MappingMethod method : {MappingMethod::Direct, MappingMethod::Associative}) {
        runIndividual(method);
        canvas.paint();
        const int bookkeepingRight = columnLeft(0) + cellW;
        for (int k = 0; k < 16; ++k) {
            EXPECT_TRUE(isInk(canvas.pixel(columnLeft(1), rowTop(k) + 3))) << k;
            EXPECT_EQ(canvas.count(RECT{columnLeft(0), rowTop(k), bookkeepingRight, rowTop(k) + 1}, isInk), 0)
                << k;
            if (method == MappingMethod::Direct) {
                EXPECT_TRUE(
                    canvas.any(RECT{columnLeft(0), rowTop(k), bookkeepingRight, rowTop(k) + cellH}, isInk));
            } else {
                // "in = " above, "cnt = " below.
                EXPECT_TRUE(
                    canvas.any(RECT{columnLeft(0), rowTop(k), bookkeepingRight, rowTop(k) + 12}, isInk));
                EXPECT_TRUE(canvas.any(
                    RECT{columnLeft(0), rowTop(k) + 12, bookkeepingRight, rowTop(k) + cellH}, isInk));
            }
        }
        EXPECT_EQ(canvas.count(RECT{columnLeft(0), rowTop(16) - 1, bookkeepingRight, rowTop(16)}, isInk), 0);
        EXPECT_EQ(canvas.count(RECT{columnLeft(0), rowTop(0), bookkeepingRight, rowTop(16)},
                               [](COLORREF c) { return c == COLORREF{0xe6d8ad} || c == COLORREF{0xc1b6ff}; }),
                  0);
        // One RAM cell, under column 1.
        EXPECT_FALSE(canvas.any(RECT{0, ramTop, columnLeft(1) - 1, 466}, isInk));
        EXPECT_TRUE(isInk(canvas.pixel(columnLeft(1) + 3, ramTop)));
        EXPECT_FALSE(canvas.any(RECT{columnLeft(2) - 2, ramTop, 350, 466}, isInk));
    }
}

// A 2-pixel pen at x colours the columns x - 1 and x, and likewise the rows at a frame's top.
bool blueAround(const Canvas& canvas, int x, int y) {
    return isBlue(canvas.pixel(x, y)) || isBlue(canvas.pixel(x, y - 1)) || isBlue(canvas.pixel(x, y + 1));
}

TEST_F(BlockPanels, TwoSetsOfFourBlocksGetTwoBlueFramesPerColumn) {
    runSetAssociativeOnce(2);
    ASSERT_EQ(cacheConfig.cacheBlockCount, 8);
    canvas.paint();
    for (int r = 0; r < 10; ++r) {
        const int left = columnLeft(r);
        const int middle = left + cellW / 2;
        EXPECT_TRUE(isBlue(canvas.pixel(left, rowTop(2)))) << r;
        EXPECT_TRUE(isBlue(canvas.pixel(left - 1, rowTop(2)))) << r;
        EXPECT_TRUE(isBlue(canvas.pixel(left, rowTop(6)))) << r;
        for (int boundary : {0, 4, 8}) {
            EXPECT_TRUE(blueAround(canvas, middle - 30, rowTop(boundary))) << r << ", row " << boundary;
        }
        for (int inner : {1, 2, 3, 5, 6, 7}) {
            EXPECT_FALSE(blueAround(canvas, middle - 30, rowTop(inner))) << r << ", row " << inner;
        }
    }
}

TEST_F(BlockPanels, AsManySetsAsBlocksFrameEveryCellAlone) {
    runSetAssociativeOnce(8);
    canvas.paint();
    for (int r = 0; r < 10; ++r) {
        for (int boundary = 0; boundary <= 8; ++boundary) {
            EXPECT_TRUE(blueAround(canvas, columnLeft(r) + 10, rowTop(boundary)))
                << r << ", row " << boundary;
        }
    }
}

TEST_F(BlockPanels, IndividualModeFramesOnlyTheCacheColumn) {
    runIndividual(MappingMethod::SetAssociative);
    canvas.paint();
    EXPECT_FALSE(canvas.any(RECT{0, 0, columnLeft(1) - 2, 466}, isBlue));
    EXPECT_TRUE(isBlue(canvas.pixel(columnLeft(1), rowTop(1))));
    EXPECT_TRUE(blueAround(canvas, columnLeft(1) + 10, rowTop(4))); // 4 sets of 4 blocks
    EXPECT_FALSE(blueAround(canvas, columnLeft(1) + 10, rowTop(3)));
}

} // namespace
