#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Writes JSON for other programs to read (the scene, the page's state, the laboratory's summary) into a
// string, placing every comma itself: a value or a field is written where it stands, after whatever came
// before it in the same object or array. Strings are UTF-8 as given, with JSON's escapes for the quote, the
// backslash and control characters. Every object and array opened is closed by its own end call.
class JsonWriter {
  public:
    explicit JsonWriter(std::string& out) : out_(out) {}

    // Values: an array's items, or the whole text.
    JsonWriter& text(std::string_view value);
    JsonWriter& number(std::int64_t value);
    JsonWriter& boolean(bool value);
    JsonWriter& beginObject();
    JsonWriter& beginArray();

    // Fields of the object open now, "name":value.
    JsonWriter& text(std::string_view name, std::string_view value);
    JsonWriter& number(std::string_view name, std::int64_t value);
    JsonWriter& boolean(std::string_view name, bool value);
    // A number already written as JSON's text (a decimal fraction, a count wider than 64 signed bits).
    JsonWriter& numberText(std::string_view name, std::string_view value);
    JsonWriter& beginObject(std::string_view name);
    JsonWriter& beginArray(std::string_view name);

    JsonWriter& endObject();
    JsonWriter& endArray();

  private:
    std::string& startValue();
    std::string& startField(std::string_view name);
    JsonWriter& open(char bracket);
    JsonWriter& close(char bracket);

    std::string& out_;
    std::vector<bool> opened_; // per open object or array: whether it holds an item yet
};

// A JSON string: the text between quotes, escaped.
void appendJsonString(std::string& out, std::string_view text);
