#include "report/error_line.h"

#include "report/printed_text.h"
#include "report/status_report.h"

std::string firstErrorMessage(Language language) {
    std::string message;
    bool blankBefore = false;
    for (const char c :
         printedText([language](std::FILE* out) { printFirstConfigurationErrorIn(out, language); })) {
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
