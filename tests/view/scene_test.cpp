#include "canvas.h"
#include "scenes.h"

#include "config/cache_config.h"
#include "config/validation.h"
#include "core_state.h"
#include "resources/resource_ids.h"
#include "windows/shell_state.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A picture resource as the painter gets it, read back pixel by pixel.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
};

Picture loadPicture(int resourceId) {
    Picture picture;
    const HBITMAP bitmap = LoadBitmapW(appInstance, MAKEINTRESOURCEW(resourceId));
    BITMAP size{};
    GetObjectW(bitmap, sizeof size, &size);
    picture.width = size.bmWidth;
    picture.height = size.bmHeight;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> bits(static_cast<std::size_t>(picture.width * picture.height));
    const HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, static_cast<UINT>(picture.height), bits.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    for (std::uint32_t p : bits) {
        picture.pixels.push_back(fromDibPixel(p));
    }
    return picture;
}

// How many pixels of the picture, placed at (x, y), differ from the canvas; the part outside the canvas is
// not compared.
int differencesFrom(const Canvas& canvas, const Picture& picture, int x, int y) {
    int differences = 0;
    for (int row = 0; row < picture.height && y + row < Canvas::clientHeight; ++row) {
        for (int column = 0; column < picture.width && x + column < Canvas::clientWidth; ++column) {
            const COLORREF expected = picture.pixels[static_cast<std::size_t>(row * picture.width + column)];
            differences += canvas.pixel(x + column, y + row) == expected ? 0 : 1;
        }
    }
    return differences;
}

bool isNotWhite(COLORREF colour) {
    return !isWhite(colour);
}

int centre(LONG low, LONG high) {
    return static_cast<int>(low + high) / 2;
}

class MainViewScene : public ::testing::Test {
  protected:
    void SetUp() override { startFromStartup(); }
    Canvas canvas;
};

TEST_F(MainViewScene, BeforeAnyResultsShowsOnlyTheSplash) {
    showSplash();
    canvas.paint();
    const Picture splash = loadPicture(IDB_SPLASH);
    ASSERT_EQ(splash.width, 615);
    ASSERT_EQ(splash.height, 301);
    EXPECT_EQ(differencesFrom(canvas, splash, 150, 50), 0);
    const RECT splashRect{150, 50, 765, 351};
    EXPECT_EQ(canvas.count(canvas.client(), isNotWhite), canvas.count(splashRect, isNotWhite));
}

// "Setare mod" clears resultsReady whether or not the new configuration validates.
TEST_F(MainViewScene, AfterSetareModShowsTheSplashAgain) {
    runIndividual(MappingMethod::Direct);
    cacheConfig.cacheSizeKb = 3;
    validateConfiguration();
    ASSERT_NE(cacheConfig.configErrors, 0u);
    resultsReady = 0;
    canvas.paint();
    EXPECT_EQ(differencesFrom(canvas, loadPicture(IDB_SPLASH), 150, 50), 0);
}

struct DiagramCase {
    MappingMethod method;
    int resourceId;
    int width;
    int height;
    POINT corner;
};

// The diagram is blitted last, at its own size, right of the two panel columns; the set-associative one, the
// tallest, 20 pixels higher (and its last rows fall below a 466-pixel client).
TEST_F(MainViewScene, IndividualModeShowsTheMethodsDiagram) {
    const DiagramCase cases[] = {
        {MappingMethod::Direct, IDB_DIRECT_MAPPING, 410, 341, {350, 50}},
        {MappingMethod::Associative, IDB_ASSOCIATIVE_MAPPING, 392, 400, {350, 50}},
        {MappingMethod::SetAssociative, IDB_SET_ASSOCIATIVE_MAPPING, 403, 441, {350, 30}},
    };
    for (const DiagramCase& diagram : cases) {
        runIndividual(diagram.method);
        canvas.paint();
        const Picture picture = loadPicture(diagram.resourceId);
        ASSERT_EQ(picture.width, diagram.width);
        ASSERT_EQ(picture.height, diagram.height);
        EXPECT_EQ(differencesFrom(canvas, picture, diagram.corner.x, diagram.corner.y), 0)
            << toInt(diagram.method);
        // Between the title band and the diagram, and right of it, the client is blank.
        const int right = diagram.corner.x + diagram.width;
        EXPECT_FALSE(canvas.any(RECT{350, 24, 904, diagram.corner.y}, isNotWhite)) << toInt(diagram.method);
        EXPECT_FALSE(canvas.any(RECT{right, 24, 904, 466}, isNotWhite)) << toInt(diagram.method);
    }
}

// The cache title is left-aligned from colUnit / 2; 34 spaces carry its method sentence over the diagram.
TEST_F(MainViewScene, IndividualCacheTitleStartsLeftAndReachesOverTheDiagram) {
    runIndividual(MappingMethod::Associative);
    canvas.paint();
    const RECT ink = canvas.bounds(RECT{0, 0, 904, 23}, isInk); // above the first row's outline
    EXPECT_GE(ink.left, 15);
    EXPECT_LE(ink.left, 18);
    EXPECT_GT(ink.right, 600);
    EXPECT_TRUE(canvas.any(RECT{15, 0, 200, 23}, isInk));  // "MEMORIA CACHE (bloc: tag)"
    EXPECT_TRUE(canvas.any(RECT{400, 0, 904, 23}, isInk)); // the method sentence
    EXPECT_NEAR(centre(ink.top, ink.bottom), 12, 2);
}

TEST_F(MainViewScene, IndividualRamTitleIsCentredOverTheTwoPanelColumns) {
    runIndividual(MappingMethod::Direct);
    canvas.paint();
    const RECT titleRect{15, 408, 208, 432};
    const RECT ink = canvas.bounds(RECT{0, 408, 350, 432}, isInk);
    ASSERT_TRUE(canvas.any(titleRect, isInk));
    EXPECT_GE(ink.left, titleRect.left);
    EXPECT_LE(ink.right, titleRect.right);
    EXPECT_NEAR(centre(ink.left, ink.right), 111, 3);
    EXPECT_NEAR(centre(ink.top, ink.bottom), 420, 2);
}

TEST_F(MainViewScene, GivenSequenceTitlesAreCentredOverTheCacheAndTheRamStrip) {
    runGivenSequenceOnce();
    canvas.paint();
    const RECT cacheTitle = canvas.bounds(RECT{0, 0, 904, 23}, isInk);
    EXPECT_NEAR(centre(cacheTitle.left, cacheTitle.right), 452, 3);
    EXPECT_NEAR(centre(cacheTitle.top, cacheTitle.bottom), 12, 2);
    const RECT ramTitle = canvas.bounds(RECT{0, 408, 904, 432}, isInk);
    EXPECT_NEAR(centre(ramTitle.left, ramTitle.right), 452, 3);
    EXPECT_NEAR(centre(ramTitle.top, ramTitle.bottom), 420, 2);
}

// The title's rectangle, (60, 20, 900, -6), has its bottom above its top; its text is drawn all the same,
// centred on the rectangle's mid-point (480, 7).
TEST_F(MainViewScene, ChartTitleIsDrawnAboveTheChartCentredOnY7) {
    for (const NamedScene& chart :
         {NamedScene{"random", [] { runRandomChart(50); }}, NamedScene{"given", [] { runGivenChart(2); }}}) {
        chart.setUp();
        canvas.paint();
        const RECT ink = canvas.bounds(RECT{0, 0, 904, 20}, isInk);
        ASSERT_TRUE(canvas.any(RECT{60, 0, 900, 20}, isInk)) << chart.name;
        EXPECT_GE(ink.left, 60) << chart.name;
        EXPECT_LE(ink.right, 900) << chart.name;
        EXPECT_NEAR(centre(ink.left, ink.right), 480, 4) << chart.name;
        EXPECT_NEAR(centre(ink.top, ink.bottom), 7, 2) << chart.name;
    }
}

} // namespace
