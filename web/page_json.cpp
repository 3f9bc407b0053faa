#include "web/page_json.h"

#include "config/field_text.h"
#include "report/console_frame.h"
#include "report/json_writer.h"
#include "view/main_scene.h"
#include "view/window_places.h"
#include "web/page_inputs.h"
#include "web/page_screen.h"

namespace {

// The list items are ASCII, as the report prints them.
std::string narrowItem(const wchar_t* item) {
    std::string text;
    for (; *item != L'\0'; ++item) {
        text += fieldCharacter(static_cast<std::uint32_t>(*item));
    }
    return text;
}

void beginNameAndId(JsonWriter& json, std::string_view name, int id) {
    json.beginObject().text("name", name).number("id", id);
}

void writeDialog(JsonWriter& json, PageDialog& dialog) {
    json.beginObject("dialog").boolean("open", dialog.open).beginObject("selections");
    for (std::int32_t list = 0; list < listCount; ++list) {
        json.number(listName(list), listSelection(dialog.fields, list));
    }
    json.endObject().beginObject("enabled");
    for (std::int32_t field = 0; field < fieldCount; ++field) {
        json.boolean(fieldName(field), fieldEnabled(dialog.controls, field));
    }
    for (std::int32_t list = 0; list < listCount; ++list) {
        json.boolean(listName(list), listEnabled(dialog.controls, list));
    }
    for (const PageButton& button : pageButtons()) {
        json.boolean(button.name, button.enabled(dialog.controls));
    }
    json.endObject().endObject();
}

void writeConsole(JsonWriter& json, const PageConsole& console) {
    json.beginObject("console")
        .boolean("open", console.open)
        .text("title", consoleTitle)
        .number("width", consoleWidth)
        .number("height", console.height)
        .number("openings", console.openings)
        .endObject();
}

JsonWriter& writePlace(JsonWriter& json, std::string_view name, WindowPlace place) {
    return json.beginObject(name).number("x", place.x).number("y", place.y);
}

JsonWriter& writeSize(JsonWriter& json, int width, int height) {
    return json.number("width", width).number("height", height);
}

} // namespace

std::string windowPlacesJson() {
    std::string out;
    JsonWriter json(out);
    json.beginObject();
    writeSize(writePlace(json, "mainWindow", mainWindowPlace), mainWindowWidth, mainWindowHeight);
    writeSize(json.beginObject("client"), standardClient.right - standardClient.left,
              standardClient.bottom - standardClient.top)
        .endObject()
        .endObject();
    writePlace(json, "configurationDialog", configDialogPlace).endObject();
    writePlace(json, "helpDialog", helpDialogPlace).endObject();
    // the console at its tallest
    writeSize(writePlace(json, "console", {consoleLeft, consoleTop}), consoleWidth, fullReportConsoleHeight)
        .endObject();
    json.endObject();
    return out;
}

std::string inputDescriptionJson() {
    std::string out;
    JsonWriter json(out);
    json.beginObject().beginArray("fields");
    for (std::int32_t field = 0; field < fieldCount; ++field) {
        beginNameAndId(json, fieldName(field), fieldControlId(field));
        json.endObject();
    }
    json.endArray().beginArray("lists");
    for (std::int32_t list = 0; list < listCount; ++list) {
        beginNameAndId(json, listName(list), listControlId(list));
        json.beginArray("items");
        for (const wchar_t* item : listItems(list)) {
            json.text(narrowItem(item));
        }
        json.endArray().endObject();
    }
    json.endArray().beginArray("buttons");
    for (const PageButton& button : pageButtons()) {
        beginNameAndId(json, button.name, button.controlId);
        json.endObject();
    }
    json.endArray().endObject();
    return out;
}

std::string dialogTextsJson() {
    std::string out;
    JsonWriter json(out);
    json.beginObject();
    for (std::int32_t field = 0; field < fieldCount; ++field) {
        json.text(fieldName(field), *fieldText(pageScreen.dialog.fields, field));
    }
    json.endObject();
    return out;
}

std::string screenStateJson() {
    std::string out;
    JsonWriter json(out);
    json.beginObject();
    writeDialog(json, pageScreen.dialog);
    writeConsole(json, pageScreen.console);
    json.number("repaints", pageScreen.repaints)
        .text("language", languageName(pageScreen.language))
        .endObject();
    return out;
}
