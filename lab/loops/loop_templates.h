#pragma once

#include "lab/loops/loop_parser.h"
#include "lab/loops/loop_texts.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The textbook's classic loops as descriptions with their sizes as parameters: each parameter a constant the
// description reads, given as NAME,KEY=VALUE,... on a command line.

struct TemplateParameter {
    std::string_view key;
    std::int64_t byDefault = 0;
    std::int64_t least = 0;
    std::int64_t most = 0;
    LoopText meaning;
};

struct LoopTemplate {
    std::string_view name;
    LoopText summary;
    std::span<const TemplateParameter> parameters;
    std::string_view arrays; // its description: the declarations, then the loops
    std::string_view loops;
};

std::span<const LoopTemplate> loopTemplates();

// The template's description in the description language: its arrays, then its loops.
std::string templateDescription(const LoopTemplate& loops);

enum class TemplateFaultKind : std::uint8_t {
    None,
    UnknownTemplate,
    MissingValue,
    UnknownKey,
    RepeatedKey,
    BadValue
};

struct TemplateChoice {
    const LoopTemplate* chosen = nullptr;
    std::vector<LoopConstant> values; // every parameter, given or by default
    TemplateFaultKind fault = TemplateFaultKind::None;
    std::string text;                             // the name, key or key=value at fault
    const TemplateParameter* parameter = nullptr; // of a BadValue
};

// "NAME[,KEY=VALUE...]"; a value is a whole number, in decimal or after 0x, with K or M for 1024 or 1048576.
// The choice's values view the text and the chosen template's keys: both outlive it.
TemplateChoice readTemplateChoice(std::string_view text);

// The chosen template's description read with its values.
ParsedLoops parseTemplate(const TemplateChoice& choice);

// "--template list": each template, what it does, its parameters with their defaults and ranges, and its
// description.
std::string templateList(LabLanguage language);

// The line of what is wrong with a choice, in the language.
std::string templateFaultMessage(LabLanguage language, const TemplateChoice& choice);
