#include "view/scene_json.h"

#include "report/json_text.h"

#include <cstdio>

namespace {

// COLORREF's 0x00BBGGRR as "#rrggbb".
std::string colorText(SceneColor color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", color & 0xffu, color >> 8 & 0xffu, color >> 16 & 0xffu);
    return text;
}

// Writes one JSON object field by field, the commas between them included; the object closes when the writer
// goes.
class JsonObject {
  public:
    explicit JsonObject(std::string& out) : out_(out) { out_ += '{'; }
    ~JsonObject() { out_ += '}'; }
    JsonObject(const JsonObject&) = delete;
    JsonObject& operator=(const JsonObject&) = delete;

    JsonObject& number(const char* name, int value) {
        key(name) += std::to_string(value);
        return *this;
    }
    JsonObject& text(const char* name, const std::string& value) {
        appendJsonString(key(name), value);
        return *this;
    }
    JsonObject& boolean(const char* name, bool value) {
        key(name) += value ? "true" : "false";
        return *this;
    }
    JsonObject& color(const char* name, SceneColor value) { return text(name, colorText(value)); }

    // A nested value written by write(out), which starts after the field's name.
    template <typename Write> JsonObject& value(const char* name, Write write) {
        write(key(name));
        return *this;
    }

  private:
    std::string& key(const char* name) {
        out_ += first_ ? "\"" : ",\"";
        first_ = false;
        out_ += name;
        out_ += "\":";
        return out_;
    }

    std::string& out_;
    bool first_ = true;
};

void appendRect(std::string& out, const SceneRect& rect) {
    JsonObject(out)
        .number("left", rect.left)
        .number("top", rect.top)
        .number("right", rect.right)
        .number("bottom", rect.bottom);
}

void appendPoint(std::string& out, const ScenePoint& point) {
    JsonObject(out).number("x", point.x).number("y", point.y);
}

void appendPen(std::string& out, const ScenePen& pen) {
    JsonObject(out)
        .text("style", pen.style == PenStyle::Dotted ? "dotted" : "solid")
        .number("width", pen.width)
        .color("color", pen.color);
}

void appendFill(std::string& out, const SceneFill& fill) {
    JsonObject(out).boolean("hollow", fill.hollow).color("color", fill.color);
}

void appendFont(std::string& out, const SceneFont& font) {
    JsonObject(out)
        .text("face", font.face)
        .number("height", font.height)
        .number("width", font.width)
        .number("weight", font.weight);
}

void appendFormat(std::string& out, const TextFormat& format) {
    JsonObject(out)
        .text("align", format.align == TextAlign::Centre ? "centre" : "left")
        .boolean("verticallyCentred", format.verticallyCentred)
        .boolean("singleLine", format.singleLine)
        .boolean("clipped", format.clipped)
        .boolean("expandsTabs", format.expandsTabs);
}

void appendPoints(std::string& out, const std::vector<ScenePoint>& points) {
    out += '[';
    for (std::size_t i = 0; i < points.size(); ++i) {
        out += i == 0 ? "" : ",";
        appendPoint(out, points[i]);
    }
    out += ']';
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
        JsonObject(out)
            .text("command", "rectangle")
            .value("rect", [&](std::string& o) { appendRect(o, command.rect); })
            .value("pen", [&](std::string& o) { appendPen(o, command.pen); })
            .value("fill", [&](std::string& o) { appendFill(o, command.fill); });
    }

    void operator()(const PolylineCmd& command) const {
        JsonObject(out)
            .text("command", "polyline")
            .value("points", [&](std::string& o) { appendPoints(o, command.points); })
            .value("pen", [&](std::string& o) { appendPen(o, command.pen); });
    }

    void operator()(const TextCmd& command) const {
        JsonObject(out)
            .text("command", "text")
            .text("text", command.text)
            .value("rect", [&](std::string& o) { appendRect(o, command.rect); })
            .value("font", [&](std::string& o) { appendFont(o, command.font); })
            .value("format", [&](std::string& o) { appendFormat(o, command.format); })
            .color("color", command.color)
            .color("background", command.background);
    }

    void operator()(const PictureCmd& command) const {
        JsonObject(out)
            .text("command", "picture")
            .text("picture", pictureName(command.picture))
            .value("corner", [&](std::string& o) { appendPoint(o, command.corner); });
    }

    void operator()(const GridCmd& command) const {
        JsonObject(out)
            .text("command", "grid")
            .value("area", [&](std::string& o) { appendRect(o, command.area); })
            .number("cellSize", command.cellSize)
            .value("pen", [&](std::string& o) { appendPen(o, command.pen); })
            .value("fill", [&](std::string& o) { appendFill(o, command.fill); });
    }
};

} // namespace

std::string sceneJsonLines(const Scene& scene) {
    std::string out;
    out.reserve(scene.size() * 160); // a text command takes about 300 bytes, a rectangle 150
    for (const SceneCommand& command : scene) {
        std::visit(JsonLine{out}, command);
        out += '\n';
    }
    return out;
}
