#pragma once

#include "language/language.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// Every text of the laboratory, named by its key, in Romanian (the program's language, the default) or
// translated through the laboratory's catalogues, po/lab/ (English). A pattern's "{}" holes are filled in
// order by fillText; scripts/check-catalogues holds every translation to its text's holes. The Romanian table
// holds each text's natural form, without diacritics, as the program writes.

using LabLanguage = Language;

enum class LabText : std::uint16_t {
    // Where the trace comes from.
    StandardInput,
    FormatChosen,
    // What is wrong with a trace or one of its lines.
    TraceUnreadable,
    TraceNoAccesses,
    TraceLineTooLong,
    TraceBinary,
    TraceNotText,
    TraceUnknownOperationPlain,
    TraceUnknownOperationDin,
    TraceUnknownOperationLackey,
    TraceMissingAddress,
    TraceBadAddress,
    TraceAddressTooLarge,
    TraceMissingSize,
    TraceBadSize,
    TraceSizeZero,
    TraceSizeTooLarge,
    TracePastLastByte,
    TraceExtraText,
    NumberDecimalOrHex,
    NumberHex,
    NumberDecimal,
    // What is wrong with a level.
    LevelFault,
    SpecUnknownKey,
    SpecMissingValue,
    SpecRepeatedKey,
    SpecBadSize,
    SpecBadCycles,
    SpecBadWays,
    SpecBadPolicy,
    SpecBadWrite,
    SpecBadAllocate,
    SpecTooManyLines,
    LevelCapacityNotLines,
    LevelCapacityNotSets,
    LevelLineNotPowerOfTwo,
    LevelSetsNotPowerOfTwo,
    LevelWaysZero,
    LevelMoreWaysThanLines,
    LevelPlruWays,
    LevelLineSmallerThanAbove,
    LevelTooMany,
    LevelNone,
    // The command line.
    UsageUnknownOption,
    UsageNeedsValue,
    UsageBadChoice,
    UsageBadWhole,
    UsageNoTrace,
    UsageTwoTraces,
    UsageOutputsExclusive,
    UsageSweepOneLevel,
    UsageExampleAndFormat,
    OpenFailed,
    OutputFailed,
    Help,
    // The summary table.
    SummaryTrace,
    SummarySkipped,
    SummaryDropped,
    SummaryLevel,
    SummaryWays,
    SummaryWaysFull,
    SummaryMemory,
    SummaryRowLevel,
    SummaryRowAccesses,
    SummaryRowReads,
    SummaryRowWrites,
    SummaryRowHits,
    SummaryRowMisses,
    SummaryRowMissRate,
    SummaryRowCompulsory,
    SummaryRowCapacity,
    SummaryRowConflict,
    SummaryRowWritebacks,
    SummaryRowBytesIn,
    SummaryRowBytesOut,
    SummaryRowDirty,
    SummaryMemoryTraffic,
    SummaryAmat,
    SummaryAmatNote,
    Count
};

std::string_view labText(LabLanguage language, LabText text);

// pattern with its "{}" holes filled by values in order; a hole without a value stays empty.
std::string fillText(std::string_view pattern, std::initializer_list<std::string_view> values);

inline std::string labText(LabLanguage language, LabText text, std::initializer_list<std::string_view> values) {
    return fillText(labText(language, text), values);
}
