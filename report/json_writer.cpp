#include "report/json_writer.h"

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

std::string& JsonWriter::startValue() {
    if (!opened_.empty()) {
        if (opened_.back()) {
            out_ += ',';
        }
        opened_.back() = true;
    }
    return out_;
}

std::string& JsonWriter::startField(std::string_view name) {
    appendJsonString(startValue(), name);
    out_ += ':';
    return out_;
}

JsonWriter& JsonWriter::open(char bracket) {
    out_ += bracket;
    opened_.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::close(char bracket) {
    out_ += bracket;
    if (!opened_.empty()) {
        opened_.pop_back();
    }
    return *this;
}

JsonWriter& JsonWriter::text(std::string_view value) {
    appendJsonString(startValue(), value);
    return *this;
}

JsonWriter& JsonWriter::number(std::int64_t value) {
    startValue() += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::boolean(bool value) {
    startValue() += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::beginObject() {
    startValue();
    return open('{');
}

JsonWriter& JsonWriter::beginArray() {
    startValue();
    return open('[');
}

JsonWriter& JsonWriter::text(std::string_view name, std::string_view value) {
    appendJsonString(startField(name), value);
    return *this;
}

JsonWriter& JsonWriter::number(std::string_view name, std::int64_t value) {
    startField(name) += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::boolean(std::string_view name, bool value) {
    startField(name) += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::numberText(std::string_view name, std::string_view value) {
    startField(name) += value;
    return *this;
}

JsonWriter& JsonWriter::beginObject(std::string_view name) {
    startField(name);
    return open('{');
}

JsonWriter& JsonWriter::beginArray(std::string_view name) {
    startField(name);
    return open('[');
}

JsonWriter& JsonWriter::endObject() {
    return close('}');
}

JsonWriter& JsonWriter::endArray() {
    return close(']');
}
