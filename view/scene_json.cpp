#include "view/scene_json.h"

#include "report/json_writer.h"

#include <cstdio>

namespace {

// COLORREF's 0x00BBGGRR as "#rrggbb".
std::string colorText(SceneColor color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", color & 0xffu, color >> 8 & 0xffu, color >> 16 & 0xffu);
    return text;
}

void writeRect(JsonWriter& json, std::string_view name, const SceneRect& rect) {
    json.beginObject(name)
        .number("left", rect.left)
        .number("top", rect.top)
        .number("right", rect.right)
        .number("bottom", rect.bottom)
        .endObject();
}

// A point as the object just begun, closed.
void writePoint(JsonWriter& json, const ScenePoint& point) {
    json.number("x", point.x).number("y", point.y).endObject();
}

void writePen(JsonWriter& json, const ScenePen& pen) {
    const bool dotted = pen.style == PenStyle::Dotted;
    json.beginObject("pen")
        .text("style", dotted ? "dotted" : "solid")
        .number("width", pen.width)
        .text("color", colorText(pen.color));
    if (dotted) {
        json.text("gaps", colorText(pen.gaps));
    }
    json.endObject();
}

void writeFill(JsonWriter& json, const SceneFill& fill) {
    json.beginObject("fill").boolean("hollow", fill.hollow).text("color", colorText(fill.color)).endObject();
}

void writeFont(JsonWriter& json, const SceneFont& font) {
    json.beginObject("font")
        .text("face", font.face)
        .number("height", font.height)
        .number("width", font.width)
        .number("weight", font.weight)
        .endObject();
}

void writeFormat(JsonWriter& json, const TextFormat& format) {
    json.beginObject("format")
        .text("align", format.align == TextAlign::Centre ? "centre" : "left")
        .boolean("verticallyCentred", format.verticallyCentred)
        .boolean("singleLine", format.singleLine)
        .boolean("clipped", format.clipped)
        .boolean("expandsTabs", format.expandsTabs)
        .endObject();
}

void writePoints(JsonWriter& json, const std::vector<ScenePoint>& points) {
    json.beginArray("points");
    for (const ScenePoint& point : points) {
        writePoint(json.beginObject(), point);
    }
    json.endArray();
}

const char* pictureName(ScenePicture picture) {
    switch (picture) {
    case ScenePicture::Splash:
        return "splash";
    case ScenePicture::DirectMapping:
        return "direct_mapping";
    case ScenePicture::AssociativeMapping:
        return "associative_mapping";
    case ScenePicture::SetAssociativeMapping:
        return "set_associative_mapping";
    }
    return "splash";
}

// Each command as one JSON object, its kind first.
struct JsonLine {
    JsonWriter& json;

    void operator()(const RectangleCmd& command) const {
        json.beginObject().text("command", "rectangle");
        writeRect(json, "rect", command.rect);
        writePen(json, command.pen);
        writeFill(json, command.fill);
        json.endObject();
    }

    void operator()(const PolylineCmd& command) const {
        json.beginObject().text("command", "polyline");
        writePoints(json, command.points);
        writePen(json, command.pen);
        json.endObject();
    }

    void operator()(const TextCmd& command) const {
        json.beginObject().text("command", "text").text("text", command.text);
        writeRect(json, "rect", command.rect);
        writeFont(json, command.font);
        writeFormat(json, command.format);
        json.text("color", colorText(command.color))
            .text("background", colorText(command.background))
            .endObject();
    }

    void operator()(const PictureCmd& command) const {
        json.beginObject().text("command", "picture").text("picture", pictureName(command.picture));
        writePoint(json.beginObject("corner"), command.corner);
        json.endObject();
    }

    void operator()(const GridCmd& command) const {
        json.beginObject().text("command", "grid");
        writeRect(json, "area", command.area);
        json.number("cellSize", command.cellSize);
        writePen(json, command.pen);
        writeFill(json, command.fill);
        json.endObject();
    }
};

} // namespace

std::string sceneJsonLines(const Scene& scene) {
    std::string out;
    out.reserve(scene.size() * 160); // a text command takes about 300 bytes, a rectangle 150
    JsonWriter json(out);
    for (const SceneCommand& command : scene) {
        std::visit(JsonLine{json}, command);
        out += '\n';
    }
    return out;
}
