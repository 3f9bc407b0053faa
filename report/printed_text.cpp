#ifndef _WIN32
#define _POSIX_C_SOURCE 200809L // declares open_memstream under a strict -std
#endif

#include "report/printed_text.h"

#include <cstdlib>

#ifdef _WIN32

TextStream openTextStream() {
    return TextStream{std::tmpfile()};
}

std::string closeTextStream(TextStream& stream) {
    std::string text;
    if (stream.file == nullptr) {
        return text;
    }
    std::rewind(stream.file);
    for (int c = std::fgetc(stream.file); c != EOF; c = std::fgetc(stream.file)) {
        text.push_back(static_cast<char>(c));
    }
    std::fclose(stream.file);
    stream.file = nullptr;
    return text;
}

#else

TextStream openTextStream() {
    TextStream stream;
    stream.file = open_memstream(&stream.memory, &stream.memorySize);
    return stream;
}

std::string closeTextStream(TextStream& stream) {
    std::string text;
    if (stream.file == nullptr) {
        return text;
    }
    // The buffer and its size are final only once the stream is closed.
    std::fclose(stream.file);
    stream.file = nullptr;
    if (stream.memory != nullptr) {
        text.assign(stream.memory, stream.memorySize);
    }
    std::free(stream.memory);
    stream.memory = nullptr;
    stream.memorySize = 0;
    return text;
}

#endif

std::string printedText(const std::function<void(std::FILE* out)>& print) {
    TextStream stream = openTextStream();
    if (stream.file == nullptr) {
        return {};
    }
    print(stream.file);
    return closeTextStream(stream);
}
