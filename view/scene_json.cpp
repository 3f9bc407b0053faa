#include "view/scene_json.h"

#include "report/json_text.h"

#include <cstdio>

namespace {

// COLORREF's 0x00BBGGRR as "#rrggbb".
void appendColor(std::string& out, const char* name, SceneColor color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", color & 0xffu, color >> 8 & 0xffu, color >> 16 & 0xffu);
    appendJsonField(out, name, text);
}

void appendRect(std::string& out, const char* name, const SceneRect& rect) {
    appendJsonName(out, name);
    out += '{';
    appendJsonField(out, "left", rect.left);
    out += ',';
    appendJsonField(out, "top", rect.top);
    out += ',';
    appendJsonField(out, "right", rect.right);
    out += ',';
    appendJsonField(out, "bottom", rect.bottom);
    out += '}';
}

void appendPoint(std::string& out, const ScenePoint& point) {
    out += '{';
    appendJsonField(out, "x", point.x);
    out += ',';
    appendJsonField(out, "y", point.y);
    out += '}';
}

void appendPen(std::string& out, const ScenePen& pen) {
    out += "\"pen\":{";
    appendJsonField(out, "style", pen.style == PenStyle::Dotted ? "dotted" : "solid");
    out += ',';
    appendJsonField(out, "width", pen.width);
    out += ',';
    appendColor(out, "color", pen.color);
    out += '}';
}

void appendFill(std::string& out, const SceneFill& fill) {
    out += "\"fill\":{";
    appendJsonBool(out, "hollow", fill.hollow);
    out += ',';
    appendColor(out, "color", fill.color);
    out += '}';
}

void appendFont(std::string& out, const SceneFont& font) {
    out += "\"font\":{";
    appendJsonField(out, "face", font.face);
    out += ',';
    appendJsonField(out, "height", font.height);
    out += ',';
    appendJsonField(out, "width", font.width);
    out += ',';
    appendJsonField(out, "weight", font.weight);
    out += '}';
}

void appendFormat(std::string& out, const TextFormat& format) {
    out += "\"format\":{";
    appendJsonField(out, "align", format.align == TextAlign::Centre ? "centre" : "left");
    out += ',';
    appendJsonBool(out, "verticallyCentred", format.verticallyCentred);
    out += ',';
    appendJsonBool(out, "singleLine", format.singleLine);
    out += ',';
    appendJsonBool(out, "clipped", format.clipped);
    out += ',';
    appendJsonBool(out, "expandsTabs", format.expandsTabs);
    out += '}';
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
    std::string& out;

    void operator()(const RectangleCmd& command) const {
        out += "{\"command\":\"rectangle\",";
        appendRect(out, "rect", command.rect);
        out += ',';
        appendPen(out, command.pen);
        out += ',';
        appendFill(out, command.fill);
        out += '}';
    }

    void operator()(const PolylineCmd& command) const {
        out += "{\"command\":\"polyline\",\"points\":[";
        for (std::size_t i = 0; i < command.points.size(); ++i) {
            out += i == 0 ? "" : ",";
            appendPoint(out, command.points[i]);
        }
        out += "],";
        appendPen(out, command.pen);
        out += '}';
    }

    void operator()(const TextCmd& command) const {
        out += "{\"command\":\"text\",";
        appendJsonField(out, "text", command.text);
        out += ',';
        appendRect(out, "rect", command.rect);
        out += ',';
        appendFont(out, command.font);
        out += ',';
        appendFormat(out, command.format);
        out += ',';
        appendColor(out, "color", command.color);
        out += ',';
        appendColor(out, "background", command.background);
        out += '}';
    }

    void operator()(const PictureCmd& command) const {
        out += "{\"command\":\"picture\",";
        appendJsonField(out, "picture", pictureName(command.picture));
        out += ",\"corner\":";
        appendPoint(out, command.corner);
        out += '}';
    }

    void operator()(const GridCmd& command) const {
        out += "{\"command\":\"grid\",";
        appendRect(out, "area", command.area);
        out += ',';
        appendJsonField(out, "cellSize", command.cellSize);
        out += ',';
        appendPen(out, command.pen);
        out += ',';
        appendFill(out, command.fill);
        out += '}';
    }
};

} // namespace

std::string sceneJsonLines(const Scene& scene) {
    std::string out;
    for (const SceneCommand& command : scene) {
        std::visit(JsonLine{out}, command);
        out += '\n';
    }
    return out;
}
