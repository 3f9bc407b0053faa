#include "cli/error_line.h"

#include "report/status_report.h"

#include <cstdio>

std::string firstErrorMessage() {
    std::FILE* text = std::tmpfile();
    if (text == nullptr) {
        return {};
    }
    printFirstConfigurationError(text);
    std::rewind(text);
    std::string message;
    bool blankBefore = false;
    for (int c = std::fgetc(text); c != EOF; c = std::fgetc(text)) {
        if (c == ' ' || c == '\n') {
            blankBefore = true;
            continue;
        }
        if (blankBefore && !message.empty()) {
            message += ' ';
        }
        blankBefore = false;
        message += static_cast<char>(c);
    }
    std::fclose(text);
    return message;
}
