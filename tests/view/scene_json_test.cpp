#include "view/scene_json.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// COLORREF's bytes 0x00BBGGRR come out as #rrggbb: the engine's light blue 0xe6d8ad is #add8e6.
TEST(SceneJson, RectangleNamesEveryFieldAndGivesColoursAsRgb) {
    const Scene scene{RectangleCmd{
        .rect = {30, 23, 109, 47}, .pen = {PenStyle::Solid, 1, 0x000000}, .fill = {false, 0xe6d8ad}}};
    EXPECT_EQ(
        sceneJsonLines(scene),
        R"({"command":"rectangle","rect":{"left":30,"top":23,"right":109,"bottom":47},)"
        R"("pen":{"style":"solid","width":1,"color":"#000000"},"fill":{"hollow":false,"color":"#add8e6"}})"
        "\n");
}

TEST(SceneJson, OneLinePerCommandInOrder) {
    const Scene scene{
        PictureCmd{.picture = ScenePicture::SetAssociativeMapping, .corner = {350, 30}},
        PolylineCmd{.points = {{70, 30}, {70, 430}, {-1, 2}}, .pen = {PenStyle::Dotted, 3, 0x0000ff}},
        GridCmd{.area = {71, 30, 871, 430},
                .cellSize = 10,
                .pen = {PenStyle::Dotted, 1, 0xc8c8c8},
                .fill = {true, 0xffffff}},
    };
    EXPECT_EQ(
        sceneJsonLines(scene),
        R"({"command":"picture","picture":"set_associative_mapping","corner":{"x":350,"y":30}})"
        "\n"
        R"({"command":"polyline","points":[{"x":70,"y":30},{"x":70,"y":430},{"x":-1,"y":2}],)"
        R"("pen":{"style":"dotted","width":3,"color":"#ff0000","gaps":"#ffffff"}})"
        "\n"
        R"({"command":"grid","area":{"left":71,"top":30,"right":871,"bottom":430},"cellSize":10,)"
        R"("pen":{"style":"dotted","width":1,"color":"#c8c8c8","gaps":"#ffffff"},"fill":{"hollow":true,"color":"#ffffff"}})"
        "\n");
}

// Tabs, quotes, backslashes and other control characters are escaped; UTF-8 passes as it is.
TEST(SceneJson, TextIsEscapedAndKeepsItsFontAndFormat) {
    const Scene scene{
        TextCmd{.text = "a\t\"b\"\\\x01\xc8\x99",
                .rect = {60, 20, 900, -6},
                .font = {"NewFont", 11, 7, 700},
                .format = {.align = TextAlign::Centre, .verticallyCentred = true, .singleLine = true}}};
    EXPECT_EQ(sceneJsonLines(scene),
              R"({"command":"text","text":"a\t\"b\"\\\u0001)"
              "\xc8\x99"
              R"(","rect":{"left":60,"top":20,"right":900,"bottom":-6},)"
              R"("font":{"face":"NewFont","height":11,"width":7,"weight":700},)"
              R"("format":{"align":"centre","verticallyCentred":true,"singleLine":true,"clipped":true,)"
              R"("expandsTabs":false},"color":"#000000","background":"#ffffff"})"
              "\n");
}

TEST(SceneJson, AnEmptySceneIsNoLines) {
    EXPECT_EQ(sceneJsonLines({}), "");
}

} // namespace
