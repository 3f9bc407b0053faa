#include "language/formatted_text.h"

#include <cstdarg>
#include <cstdio>

std::string formattedText(const char* pattern, ...) {
    char text[1024];
    std::va_list values;
    va_start(values, pattern);
    const int length = std::vsnprintf(text, sizeof text, pattern, values);
    va_end(values);
    return length < 0 ? std::string() : std::string(text);
}
