#pragma once

#include "lab/lab_texts.h"
#include "lab/loops/loop_fault.h"

#include <string>
#include <string_view>

// "sum.loops:4:12: index 2 of "A" is 256, outside 0..255 (when i = 3, j = 256)", or "sum.loops: no read, ..."
// for the description as a whole; in the chosen language.
std::string loopFaultMessage(LabLanguage language, std::string_view sourceName, const LoopFault& fault);
