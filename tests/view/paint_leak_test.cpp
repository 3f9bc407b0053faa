#include "canvas.h"
#include "gdi_object_probe.h"
#include "scenes.h"

#include "windows/main_view.h"
#include "windows/shell_state.h"

#include <gtest/gtest.h>

namespace {

constexpr int paintsPerScene = 2000;

TEST(GdiObjectProbe, CountsAnObjectLeftAlive) {
    const int before = freeGdiObjectSlots();
    ASSERT_GT(before, 1000);
    const HPEN kept = CreatePen(PS_DOT, 1, RGB(1, 2, 3));
    EXPECT_EQ(freeGdiObjectSlots(), before - 1);
    DeleteObject(kept);
    EXPECT_EQ(freeGdiObjectSlots(), before);
}

// Each scene painted thousands of times: every font, pen, memory DC and brush made for a paint is gone after
// it. The pictures are loaded once per scene here; their loading and release is counted on its own below.
TEST(PaintLeak, RepeatedPaintsOfEverySceneLeaveNoGdiObjectBehind) {
    Canvas canvas;
    const LoadedDiagramBitmaps pictures(appInstance);
    for (const NamedScene& scene : everyScene()) {
        scene.setUp(); // the first paint of each scene may fill the system's own caches
        canvas.paintWithLoadedPictures();
    }
    const int before = freeGdiObjectSlots();
    for (const NamedScene& scene : everyScene()) {
        scene.setUp();
        for (int i = 0; i < paintsPerScene; ++i) {
            canvas.paintWithLoadedPictures();
        }
        EXPECT_EQ(freeGdiObjectSlots(), before) << "after painting " << scene.name;
    }
}

TEST(PaintLeak, LoadingAndReleasingThePicturesLeavesNoBitmapBehind) {
    { const LoadedDiagramBitmaps first(appInstance); }
    const int before = freeGdiObjectSlots();
    for (int i = 0; i < 500; ++i) {
        const LoadedDiagramBitmaps pictures(appInstance);
    }
    EXPECT_EQ(freeGdiObjectSlots(), before);
    for (HBITMAP bitmap : diagramBitmaps) {
        EXPECT_EQ(bitmap, nullptr);
    }
}

// The paint puts back every object it selected: the DC keeps its pen, brush and font.
TEST(PaintLeak, EveryPaintLeavesTheDcsObjectsSelected) {
    Canvas canvas;
    const HGDIOBJ pen = GetCurrentObject(canvas.dc(), OBJ_PEN);
    const HGDIOBJ brush = GetCurrentObject(canvas.dc(), OBJ_BRUSH);
    const HGDIOBJ font = GetCurrentObject(canvas.dc(), OBJ_FONT);
    for (const NamedScene& scene : everyScene()) {
        scene.setUp();
        canvas.paint();
        EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_PEN), pen) << scene.name;
        EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_BRUSH), brush) << scene.name;
        EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_FONT), font) << scene.name;
    }
}

} // namespace
