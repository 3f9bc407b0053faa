#pragma once

#include <string>
#include <string_view>

// Pieces of JSON for the texts the core writes for other programs to read (the scene, the page's state).
// Strings are UTF-8 as given, with JSON's escapes for the quote, the backslash and control characters.
void appendJsonString(std::string& out, std::string_view text);

// "name": followed by the value.
void appendJsonName(std::string& out, std::string_view name);
void appendJsonField(std::string& out, std::string_view name, std::string_view text);
void appendJsonField(std::string& out, std::string_view name, int value);
void appendJsonBool(std::string& out, std::string_view name, bool value);

// Items in a JSON array or object: a comma before every one but the first.
struct JsonItems {
    std::string& out;
    bool first = true;

    std::string& next() {
        out += first ? "" : ",";
        first = false;
        return out;
    }
};
