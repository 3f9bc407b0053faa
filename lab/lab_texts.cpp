#include "lab/lab_texts.h"

#include "lab/lab_catalogue.h"
#include "lab/lab_text_table.h"

std::string_view labText(LabLanguage language, LabText text) {
    const auto index = static_cast<std::size_t>(text);
    if (index >= labTextCount) {
        return {};
    }
    return translatedIn(labTextDomain, language, romanianLabTexts[index].text.data()); // a NUL-ended literal
}

std::string fillText(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string text;
    text.reserve(pattern.size() + 32);
    const std::string_view* value = values.begin();
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        if (pattern[at] == '{' && at + 1 < pattern.size() && pattern[at + 1] == '}') {
            if (value != values.end()) {
                text += *value++;
            }
            ++at;
        } else {
            text += pattern[at];
        }
    }
    return text;
}
