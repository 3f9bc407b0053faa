#include "web/page_json.h"

#include "config/field_text.h"
#include "report/console_frame.h"
#include "report/json_text.h"
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

void appendNameAndId(std::string& out, std::string_view name, int id) {
    appendJsonField(out, "name", name);
    out += ',';
    appendJsonField(out, "id", id);
}

void appendListItems(std::string& out, std::int32_t list) {
    out += "\"items\":[";
    JsonItems items{out};
    for (const wchar_t* item : listItems(list)) {
        appendJsonString(items.next(), narrowItem(item));
    }
    out += ']';
}

void appendDialog(std::string& out, PageDialog& dialog) {
    out += "\"dialog\":{";
    appendJsonBool(out, "open", dialog.open);
    out += ",\"selections\":{";
    JsonItems selections{out};
    for (std::int32_t list = 0; list < listCount; ++list) {
        appendJsonField(selections.next(), listName(list), listSelection(dialog.fields, list));
    }
    out += "},\"enabled\":{";
    JsonItems enabled{out};
    for (std::int32_t field = 0; field < fieldCount; ++field) {
        appendJsonBool(enabled.next(), fieldName(field), fieldEnabled(dialog.controls, field));
    }
    for (std::int32_t list = 0; list < listCount; ++list) {
        appendJsonBool(enabled.next(), listName(list), listEnabled(dialog.controls, list));
    }
    for (const PageButton& button : pageButtons()) {
        appendJsonBool(enabled.next(), button.name, button.enabled(dialog.controls));
    }
    out += "}}";
}

void appendConsole(std::string& out, const PageConsole& console) {
    out += "\"console\":{";
    appendJsonBool(out, "open", console.open);
    out += ',';
    appendJsonField(out, "title", consoleTitle);
    out += ',';
    appendJsonField(out, "width", consoleWidth);
    out += ',';
    appendJsonField(out, "height", console.height);
    out += ',';
    appendJsonField(out, "openings", static_cast<int>(console.openings));
    out += '}';
}

void appendPlace(std::string& out, std::string_view name, WindowPlace place) {
    appendJsonName(out, name);
    out += '{';
    appendJsonField(out, "x", place.x);
    out += ',';
    appendJsonField(out, "y", place.y);
}

void appendSize(std::string& out, int width, int height) {
    out += ',';
    appendJsonField(out, "width", width);
    out += ',';
    appendJsonField(out, "height", height);
}

} // namespace

std::string windowPlacesJson() {
    std::string json = "{";
    appendPlace(json, "mainWindow", mainWindowPlace);
    appendSize(json, mainWindowWidth, mainWindowHeight);
    json += ",\"client\":{";
    appendJsonField(json, "width", standardClient.right - standardClient.left);
    json += ',';
    appendJsonField(json, "height", standardClient.bottom - standardClient.top);
    json += "}},";
    appendPlace(json, "configurationDialog", configDialogPlace);
    json += "},";
    appendPlace(json, "helpDialog", helpDialogPlace);
    json += "},";
    appendPlace(json, "console", {consoleLeft, consoleTop});
    appendSize(json, consoleWidth, fullReportConsoleHeight); // at its tallest
    return json + "}}";
}

std::string inputDescriptionJson() {
    std::string json = "{\"fields\":[";
    JsonItems fields{json};
    for (std::int32_t field = 0; field < fieldCount; ++field) {
        fields.next() += '{';
        appendNameAndId(json, fieldName(field), fieldControlId(field));
        json += '}';
    }
    json += "],\"lists\":[";
    JsonItems lists{json};
    for (std::int32_t list = 0; list < listCount; ++list) {
        lists.next() += '{';
        appendNameAndId(json, listName(list), listControlId(list));
        json += ',';
        appendListItems(json, list);
        json += '}';
    }
    json += "],\"buttons\":[";
    JsonItems buttons{json};
    for (const PageButton& button : pageButtons()) {
        buttons.next() += '{';
        appendNameAndId(json, button.name, button.controlId);
        json += '}';
    }
    return json + "]}";
}

std::string dialogTextsJson() {
    std::string json = "{";
    JsonItems texts{json};
    for (std::int32_t field = 0; field < fieldCount; ++field) {
        appendJsonField(texts.next(), fieldName(field), *fieldText(pageScreen.dialog.fields, field));
    }
    return json + "}";
}

std::string screenStateJson() {
    std::string json = "{";
    appendDialog(json, pageScreen.dialog);
    json += ',';
    appendConsole(json, pageScreen.console);
    json += ',';
    appendJsonField(json, "repaints", static_cast<int>(pageScreen.repaints));
    return json + "}";
}
