#pragma once

#include "lab/level_spec.h"
#include "lab/lab_texts.h"
#include "lab/trace_reader.h"

#include <optional>
#include <string>
#include <string_view>

// The laboratory's faults as the lines a front-end prints, in the chosen language, and the names a command
// line gives the formats.

// "trace.din:12: "0x1g" is not an address: a hexadecimal number", or "trace.din: no accesses".
std::string traceFaultMessage(LabLanguage language, std::string_view traceName, const TraceFault& fault);

// "L2, ways: plru needs a power of two ways, not 3"; config is the hierarchy the faults were found in.
std::string levelFaultMessage(LabLanguage language, const LevelSpecFault& fault, const HierarchyConfig& config);

// "auto", "plain", "din", "lackey".
std::string_view traceFormatName(TraceFormat format);
std::optional<TraceFormat> traceFormatNamed(std::string_view name);

// "L1", "L2", ...
std::string levelName(int level);
