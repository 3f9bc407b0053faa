#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>

// A stream whose text is read back, for a front-end or a test that shows or compares what a printer of the
// report writes. It lives in memory where the C library has open_memstream (glibc, WASI); MinGW's has none
// and no memory stream at all, so there it is a temporary file.
struct TextStream {
    std::FILE* file = nullptr; // null when no stream could be opened
    char* memory = nullptr;    // the memory stream's buffer
    std::size_t memorySize = 0;
};

TextStream openTextStream();

// Closes the stream and returns what was written to it from its start.
std::string closeTextStream(TextStream& stream);

// What print writes to a fresh stream; empty when none could be opened.
std::string printedText(const std::function<void(std::FILE* out)>& print);
