#include "canvas.h"
#include "gdi_object_probe.h"
#include "scenes.h"

#include "app/main_window.h"
#include "resources/resource_ids.h"
#include "view/view_layout.h"
#include "windows/main_view.h"
#include "windows/shell_state.h"

#include <gtest/gtest.h>

namespace {

// The application's main window, created once as wWinMain creates it; its paint entry loads the pictures,
// calls paintMainView and releases them.
class MainWindowPaint : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (mainWindow != nullptr) {
            return;
        }
        startMainWindow(appInstance, SW_SHOWNORMAL);
    }

    static RECT client() {
        RECT rect{};
        GetClientRect(mainWindow, &rect);
        return rect;
    }

    // What the window shows after a repaint, read back from its DC.
    static void captureWindow(const Canvas& canvas) {
        repaintMainWindow();
        const HDC window = GetDC(mainWindow);
        BitBlt(canvas.dc(), 0, 0, client().right, client().bottom, window, 0, 0, SRCCOPY);
        ReleaseDC(mainWindow, window);
        GdiFlush();
    }
};

// Under Wine the client area is 914 x 481, not the 904 x 466 of Windows 10: the panels follow it.
TEST_F(MainWindowPaint, LaysOutFromTheMainWindowsClientArea) {
    const RECT area = client();
    ASSERT_NE(area.bottom, Canvas::clientHeight) << "the window's client area is the one the other tests use";
    const ViewLayout layout = computeViewLayout(SceneRect{0, 0, area.right, area.bottom});
    const int ramTop = ramStripTop(layout);
    runGivenSequenceOnce();
    Canvas canvas(area.right, area.bottom);
    {
        const LoadedDiagramBitmaps pictures(appInstance);
        paintMainView(canvas.dc(), area);
    }
    GdiFlush();
    const int x = layout.colUnit + 3;
    EXPECT_TRUE(isInk(canvas.pixel(x, layout.rowUnit)));
    EXPECT_TRUE(isWhite(canvas.pixel(x, layout.rowUnit - 1)));
    EXPECT_TRUE(isInk(canvas.pixel(x, ramTop)));
    EXPECT_TRUE(isWhite(canvas.pixel(x, ramTop - 1)));
    EXPECT_TRUE(isInk(canvas.pixel(panelColumnLeft(layout, 9) + layout.cellW - 1, ramTop + 3)));
    EXPECT_TRUE(isWhite(canvas.pixel(panelColumnLeft(layout, 9) + layout.cellW, ramTop + 3)));
}

TEST_F(MainWindowPaint, WindowShowsTheSplashThenTheResults) {
    const RECT area = client();
    Canvas canvas(area.right, area.bottom);
    showSplash();
    captureWindow(canvas);
    canvas.save("main_window_splash");
    const RECT splash{150, 50, 765, 351};
    EXPECT_GT(canvas.count(splash, isInk), 1000);
    EXPECT_EQ(canvas.count(area, isInk), canvas.count(splash, isInk));

    runGivenSequenceOnce();
    captureWindow(canvas);
    canvas.save("main_window_given_sequence_once");
    const ViewLayout layout = computeViewLayout(SceneRect{0, 0, area.right, area.bottom});
    EXPECT_TRUE(isInk(canvas.pixel(layout.colUnit + 3, ramStripTop(layout))));
    EXPECT_EQ(canvas.pixel(layout.colUnit + 3, layout.rowUnit + 3), COLORREF{0xe6d8ad});
}

TEST_F(MainWindowPaint, RepaintingTheWindowLeavesNoGdiObjectBehind) {
    for (const NamedScene& scene : everyScene()) {
        scene.setUp();
        repaintMainWindow(); // the first paint of each scene may fill the system's own caches
    }
    const int before = freeGdiObjectSlots();
    for (const NamedScene& scene : everyScene()) {
        scene.setUp();
        for (int i = 0; i < 100; ++i) {
            repaintMainWindow();
        }
        EXPECT_EQ(freeGdiObjectSlots(), before) << "after repainting " << scene.name;
    }
}

} // namespace
