#include "language/formatted_text.h"

#include <cstdarg>
#include <cstdio>

// Measured first, then written into a string of that length: no text is cut, however long.
std::string formattedText(const char* pattern, ...) {
    std::va_list values;
    va_start(values, pattern);
    std::va_list measured;
    va_copy(measured, values);
    const int length = std::vsnprintf(nullptr, 0, pattern, measured);
    va_end(measured);
    std::string text;
    if (length > 0) {
        text.resize(static_cast<std::size_t>(length));
        std::vsnprintf(text.data(), text.size() + 1, pattern, values);
    }
    va_end(values);
    return text;
}
