#include "canvas.h"
#include "scenes.h"

#include <gtest/gtest.h>

namespace {

// Every scene leaves its mark on the client area; with VIEW_TEST_PICTURES set, each picture is kept for a
// person to look at.
TEST(ScenePictures, EverySceneDrawsSomething) {
    Canvas canvas;
    for (const NamedScene& scene : everyScene()) {
        scene.setUp();
        canvas.paint();
        canvas.save(scene.name);
        EXPECT_TRUE(canvas.any(canvas.client(), isInk)) << scene.name;
    }
}

} // namespace
