// Reading back what a printer writes, on every platform the core builds for: in memory where the C library
// can, in a temporary file where it cannot.

#include "report/printed_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(PrintedText, ATextLongerThanAnyStreamBufferComesBackWhole) {
    std::string expected;
    for (int line = 0; line < 20000; ++line) {
        expected += "Pasul " + std::to_string(line) + " - Cache miss !\n";
    }
    EXPECT_EQ(printedText([&](std::FILE* out) { std::fputs(expected.c_str(), out); }), expected);
    EXPECT_EQ(printedText([](std::FILE*) {}), "");
}

TEST(PrintedText, StreamsOpenAtOnceKeepTheirOwnTexts) {
    std::string inner;
    const std::string outer = printedText([&](std::FILE* out) {
        std::fputs("before ", out);
        inner = printedText([](std::FILE* err) { std::fputs("inner", err); });
        std::fprintf(out, "after %d", 2);
    });
    EXPECT_EQ(outer, "before after 2");
    EXPECT_EQ(inner, "inner");
}

TEST(PrintedText, AStreamRewoundForReuseStillClosesCleanly) {
    TextStream stream = openTextStream();
    ASSERT_NE(stream.file, nullptr);
    for (int round = 0; round < 1000; ++round) {
        std::fputs("a report of some length\n", stream.file);
        std::rewind(stream.file);
    }
    std::fputs("last", stream.file);
    const std::string text = closeTextStream(stream);
    EXPECT_EQ(text.substr(0, 4), "last");
    EXPECT_EQ(stream.file, nullptr);
    EXPECT_EQ(closeTextStream(stream), "") << "a closed stream holds nothing";
}

} // namespace
