#include "view/label_text.h"
#include "view/panel_labels.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberText, DecimalAndLowerCaseHexadecimalWithoutLeadingZeros) {
    EXPECT_EQ(numberText(0), "0");
    EXPECT_EQ(numberText(4660), "4660");
    EXPECT_EQ(numberText(33554431), "33554431"); // the largest value a valid configuration shows
    EXPECT_EQ(numberText(0, 16), "0");
    EXPECT_EQ(numberText(0xE000, 16), "e000");
    EXPECT_EQ(numberText(0x00ff, 16), "ff");
}

TEST(PanelLabels, CacheCellShowsBlockNumberAndTag) {
    CacheSnapshot cache;
    cache.blockState[3] = BlockState::Loaded;
    cache.blockTag[3] = 1234;
    EXPECT_EQ(cacheCellLabel(cache, 3), "3: 1234");
    cache.blockState[12] = BlockState::Replaced;
    cache.blockTag[12] = 0;
    EXPECT_EQ(cacheCellLabel(cache, 12), "12: 0");
}

TEST(PanelLabels, EmptyBlockShowsNaWhateverItsStoredTag) {
    CacheSnapshot cache;
    cache.blockTag[0] = 77;
    EXPECT_EQ(cacheCellLabel(cache, 0), "0: NA");
}

TEST(PanelLabels, RamCellNamesBlockAndTag) {
    const StepRecord step{.tag = 18, .ramBlock = 4660};
    EXPECT_EQ(ramBlockLabel(step), "B=4660");
    EXPECT_EQ(tagLabel(step), "T=18");
}

TEST(PanelLabels, BookkeepingShowsLoadStepAndLruRowInHexadecimal) {
    CacheSnapshot cache;
    cache.loadStep[5] = 7;
    cache.lruRow[5] = 0xE000;
    EXPECT_EQ(loadStepLabel(cache, 5), "in = 7");
    EXPECT_EQ(lruRowLabel(cache, 5), "cnt = e000");
    EXPECT_EQ(lruRowLabel(cache, 6), "cnt = 0");
}

} // namespace
