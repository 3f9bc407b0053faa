#include "lab/loops/loop_texts.h"

#include "lab/lab_catalogue.h"
#include "lab/loops/loop_text_table.h"

std::string_view loopText(LabLanguage language, LoopText text) {
    const auto index = static_cast<std::size_t>(text);
    if (index >= loopTextCount) {
        return {};
    }
    return translatedIn(labTextDomain, language, romanianLoopTexts[index].text.data()); // a NUL-ended literal
}
