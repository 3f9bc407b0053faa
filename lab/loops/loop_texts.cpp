#include "lab/loops/loop_texts.h"

#include "lab/loops/loop_text_table.h"
#include "language/catalogue.h"

std::string_view loopText(LabLanguage language, LoopText text) {
    const auto index = static_cast<std::size_t>(text);
    if (index >= loopTextCount) {
        return {};
    }
    return translated(language, romanianLoopTexts[index].text.data()); // a literal's text, NUL-terminated
}
