#include "view/scene_json.h"

#include <cstdio>

namespace {

void appendNumber(std::string& out, const char* name, int value) {
    out += '"';
    out += name;
    out += "\":";
    out += std::to_string(value);
}

void appendString(std::string& out, const std::string& text) {
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    out += '"';
}

void appendField(std::string& out, const char* name, const std::string& text) {
    out += '"';
    out += name;
    out += "\":";
    appendString(out, text);
}

void appendBool(std::string& out, const char* name, bool value) {
    out += '"';
    out += name;
    out += value ? "\":true" : "\":false";
}

// COLORREF's 0x00BBGGRR as "#rrggbb".
void appendColor(std::string& out, const char* name, SceneColor color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", color & 0xffu, color >> 8 & 0xffu, color >> 16 & 0xffu);
    appendField(out, name, text);
}

void appendRect(std::string& out, const char* name, const SceneRect& rect) {
    out += '"';
    out += name;
    out += "\":{";
    appendNumber(out, "left", rect.left);
    out += ',';
    appendNumber(out, "top", rect.top);
    out += ',';
    appendNumber(out, "right", rect.right);
    out += ',';
    appendNumber(out, "bottom", rect.bottom);
    out += '}';
}

void appendPoint(std::string& out, const ScenePoint& point) {
    out += '{';
    appendNumber(out, "x", point.x);
    out += ',';
    appendNumber(out, "y", point.y);
    out += '}';
}

void appendPen(std::string& out, const ScenePen& pen) {
    out += "\"pen\":{";
    appendField(out, "style", pen.style == PenStyle::Dotted ? "dotted" : "solid");
    out += ',';
    appendNumber(out, "width", pen.width);
    out += ',';
    appendColor(out, "color", pen.color);
    out += '}';
}

void appendFill(std::string& out, const SceneFill& fill) {
    out += "\"fill\":{";
    appendBool(out, "hollow", fill.hollow);
    out += ',';
    appendColor(out, "color", fill.color);
    out += '}';
}

void appendFont(std::string& out, const SceneFont& font) {
    out += "\"font\":{";
    appendField(out, "face", font.face);
    out += ',';
    appendNumber(out, "height", font.height);
    out += ',';
    appendNumber(out, "width", font.width);
    out += ',';
    appendNumber(out, "weight", font.weight);
    out += '}';
}

void appendFormat(std::string& out, const TextFormat& format) {
    out += "\"format\":{";
    appendField(out, "align", format.align == TextAlign::Centre ? "centre" : "left");
    out += ',';
    appendBool(out, "verticallyCentred", format.verticallyCentred);
    out += ',';
    appendBool(out, "singleLine", format.singleLine);
    out += ',';
    appendBool(out, "clipped", format.clipped);
    out += ',';
    appendBool(out, "expandsTabs", format.expandsTabs);
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
        appendField(out, "text", command.text);
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
        appendField(out, "picture", pictureName(command.picture));
        out += ",\"corner\":";
        appendPoint(out, command.corner);
        out += '}';
    }

    void operator()(const GridCmd& command) const {
        out += "{\"command\":\"grid\",";
        appendRect(out, "area", command.area);
        out += ',';
        appendNumber(out, "cellSize", command.cellSize);
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
