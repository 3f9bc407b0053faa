#include "report/error_line.h"

#include "report/printed_text.h"
#include "report/status_report.h"

std::string firstErrorMessage() {
    std::string message;
    bool blankBefore = false;
    for (const char c : printedText(printFirstConfigurationError)) {
        if (c == ' ' || c == '\n') {
            blankBefore = true;
            continue;
        }
        if (blankBefore && !message.empty()) {
            message += ' ';
        }
        blankBefore = false;
        message += c;
    }
    return message;
}
