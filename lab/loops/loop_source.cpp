#include "lab/loops/loop_source.h"

#include "lab/lab_messages.h"
#include "lab/loops/loop_check.h"
#include "lab/loops/loop_messages.h"
#include "lab/loops/loop_parser.h"
#include "lab/loops/loop_templates.h"

namespace {

// The parsed description checked; any fault the line of what is wrong.
LoopSource checked(LoopSource source, ParsedLoops parsed, LabLanguage language) {
    LoopFault fault = parsed.fault;
    if (fault.kind == LoopFaultKind::None) {
        fault = checkLoopProgram(parsed.program);
    }
    if (fault.kind != LoopFaultKind::None) {
        source.fault = LoopSourceFault::Description;
        source.error = loopFaultMessage(language, source.name, fault);
        return source;
    }
    source.program = std::move(parsed.program);
    return source;
}

} // namespace

LoopSource loopSourceFromFile(std::FILE* file, std::string_view name, LabLanguage language) {
    LoopSource source;
    source.name = std::string(name);
    std::string text;
    char buffer[1 << 14];
    for (std::size_t count; text.size() <= maxLoopDescriptionBytes &&
                            (count = std::fread(buffer, 1, sizeof buffer, file)) != 0;) {
        text.append(buffer, count);
    }
    if (std::ferror(file) != 0) {
        source.fault = LoopSourceFault::Unreadable;
        source.error = traceFaultMessage(language, name, {TraceFaultKind::Unreadable, 0, {}, {}});
        return source;
    }
    return checked(std::move(source), parseLoopProgram(text), language);
}

LoopSource loopSourceFromTemplate(std::string_view choiceText, LabLanguage language) {
    LoopSource source;
    const TemplateChoice choice = readTemplateChoice(choiceText);
    source.name = std::string(choice.chosen != nullptr ? choice.chosen->name : choiceText);
    if (choice.fault != TemplateFaultKind::None) {
        source.fault = LoopSourceFault::Choice;
        source.error = "--template: ";
        source.error += templateFaultMessage(language, choice);
        return source;
    }
    return checked(std::move(source), parseTemplate(choice), language);
}
