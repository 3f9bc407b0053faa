#pragma once

#include "lab/lab_texts.h"
#include "lab/loops/loop_program.h"

#include <cstdio>
#include <string>
#include <string_view>

// A trace that comes from loops: a description read from a file, or a template with its values, parsed and
// checked, or the one line of what is wrong.

enum class LoopSourceFault : std::uint8_t {
    None,
    Choice,      // a template's name or values cannot be read: a usage error
    Unreadable,  // the file cannot be read
    Description, // the description is refused
};

struct LoopSource {
    LoopProgram program; // checked, when fault is None
    std::string name;    // the file's name, or the template's
    LoopSourceFault fault = LoopSourceFault::None;
    std::string error; // the line a front-end prints
};

// The description in file (its name in name), at most maxLoopDescriptionBytes.
LoopSource loopSourceFromFile(std::FILE* file, std::string_view name, LabLanguage language);

// "NAME[,KEY=VALUE...]".
LoopSource loopSourceFromTemplate(std::string_view choice, LabLanguage language);
