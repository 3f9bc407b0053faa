#include "report/json_text.h"

#include <cstdio>

void appendJsonString(std::string& out, std::string_view text) {
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

void appendJsonName(std::string& out, std::string_view name) {
    appendJsonString(out, name);
    out += ':';
}

void appendJsonField(std::string& out, std::string_view name, std::string_view text) {
    appendJsonName(out, name);
    appendJsonString(out, text);
}

void appendJsonField(std::string& out, std::string_view name, int value) {
    appendJsonName(out, name);
    out += std::to_string(value);
}

void appendJsonBool(std::string& out, std::string_view name, bool value) {
    appendJsonName(out, name);
    out += value ? "true" : "false";
}
