#include "report/json_writer.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

struct WriterCase {
    const char* what;
    std::function<void(JsonWriter&)> write;
    std::string expected;
};

// Commas between the items of every object and array at every depth, none after an opening or before a
// closing bracket, none between values at the top; and the escapes of a string, names included.
TEST(JsonWriter, PlacesEveryCommaAndEscapesEveryString) {
    const WriterCase cases[] = {
        {"an empty object and array",
         [](JsonWriter& json) { json.beginObject().beginArray("a").endArray().endObject(); }, R"({"a":[]})"},
        {"fields of every kind",
         [](JsonWriter& json) {
             json.beginObject()
                 .text("t", "x")
                 .number("n", -9007199254740993)
                 .boolean("b", false)
                 .numberText("r", "0.25")
                 .endObject();
         },
         R"({"t":"x","n":-9007199254740993,"b":false,"r":0.25})"},
        {"nesting, with items after a closed container",
         [](JsonWriter& json) {
             json.beginObject()
                 .beginArray("l")
                 .number(1)
                 .beginObject()
                 .endObject()
                 .beginArray()
                 .text("s")
                 .endArray();
             json.boolean(true).endArray().beginObject("o").beginObject("p").endObject().number("q", 0);
             json.endObject().text("z", "").endObject();
         },
         R"({"l":[1,{},["s"],true],"o":{"p":{},"q":0},"z":""})"},
        {"values side by side at the top, as JSON Lines",
         [](JsonWriter& json) { json.beginObject().endObject().number(2).text("3"); }, R"({}2"3")"},
        {"every escape, in a name and a value; UTF-8 and DEL as they are",
         [](JsonWriter& json) {
             json.beginObject()
                 .text("\"\\", std::string_view("\t\n\r\x01\x1f\0 \x7f\xc8\x99/", 11))
                 .endObject();
         },
         "{\"\\\"\\\\\":\"\\t\\u000a\\u000d\\u0001\\u001f\\u0000 \x7f\xc8\x99/\"}"},
    };
    for (const WriterCase& writerCase : cases) {
        std::string out = "prefix ";
        JsonWriter json(out);
        writerCase.write(json);
        EXPECT_EQ(out, "prefix " + writerCase.expected) << writerCase.what;
    }
}

} // namespace
