#include "lab/lab_messages.h"

#include <string>

namespace {

constexpr std::string_view formatNames[] = {"auto", "plain", "din", "lackey"};

LabText unknownOperationText(TraceFormat format) {
    return format == TraceFormat::Din      ? LabText::TraceUnknownOperationDin
           : format == TraceFormat::Lackey ? LabText::TraceUnknownOperationLackey
                                           : LabText::TraceUnknownOperationPlain;
}

// How the format writes an address, and a size.
LabText addressNumber(TraceFormat format) {
    return format == TraceFormat::Plain ? LabText::NumberDecimalOrHex : LabText::NumberHex;
}
LabText sizeNumber(TraceFormat format) {
    return format == TraceFormat::Plain ? LabText::NumberDecimalOrHex : LabText::NumberDecimal;
}

std::string whatIsWrong(LabLanguage language, const TraceFault& fault) {
    const std::string_view text = fault.text;
    switch (fault.kind) {
    case TraceFaultKind::Unreadable:
        return std::string(labText(language, LabText::TraceUnreadable));
    case TraceFaultKind::NoAccesses:
        return std::string(labText(language, LabText::TraceNoAccesses));
    case TraceFaultKind::LineTooLong:
        return std::string(labText(language, LabText::TraceLineTooLong));
    case TraceFaultKind::Binary:
        return std::string(labText(language, LabText::TraceBinary));
    case TraceFaultKind::NotText:
        return std::string(labText(language, LabText::TraceNotText));
    case TraceFaultKind::UnknownOperation:
        return labText(language, unknownOperationText(fault.format), {text});
    case TraceFaultKind::MissingAddress:
        return std::string(labText(language, LabText::TraceMissingAddress));
    case TraceFaultKind::BadAddress:
        return labText(language, LabText::TraceBadAddress, {text, labText(language, addressNumber(fault.format))});
    case TraceFaultKind::AddressTooLarge:
        return labText(language, LabText::TraceAddressTooLarge, {text});
    case TraceFaultKind::MissingSize:
        return std::string(labText(language, LabText::TraceMissingSize));
    case TraceFaultKind::BadSize:
        return labText(language, LabText::TraceBadSize, {text, labText(language, sizeNumber(fault.format))});
    case TraceFaultKind::SizeZero:
        return std::string(labText(language, LabText::TraceSizeZero));
    case TraceFaultKind::SizeTooLarge:
        return labText(language, LabText::TraceSizeTooLarge, {text});
    case TraceFaultKind::PastLastByte:
        return std::string(labText(language, LabText::TracePastLastByte));
    case TraceFaultKind::ExtraText:
        return labText(language, LabText::TraceExtraText, {text});
    case TraceFaultKind::None:
        break;
    }
    return {};
}

std::string number(std::uint64_t value) { return std::to_string(value); }

std::string hierarchyFaultText(LabLanguage language, const LevelSpecFault& fault, const HierarchyConfig& config) {
    const auto index = static_cast<std::size_t>(fault.level);
    if (index >= config.levels.size()) {
        return std::string(labText(language, fault.hierarchy == LevelFaultKind::NoLevels ? LabText::LevelNone
                                                                                          : LabText::LevelTooMany));
    }
    const LevelConfig& level = config.levels[index];
    const std::uint64_t lines = level.line == 0 ? 0 : level.capacity / level.line;
    const std::uint64_t ways = level.fullyAssociative ? lines : level.ways;
    switch (fault.hierarchy) {
    case LevelFaultKind::CapacityNotPowerOfTwoMultiple:
        if (level.capacity == 0 || level.capacity % level.line != 0) {
            return labText(language, LabText::LevelCapacityNotLines, {number(level.capacity), number(level.line)});
        }
        return labText(language, LabText::LevelCapacityNotSets, {number(lines), number(ways)});
    case LevelFaultKind::LineNotPowerOfTwo:
        return labText(language, LabText::LevelLineNotPowerOfTwo, {number(level.line)});
    case LevelFaultKind::SetsNotPowerOfTwo:
        return labText(language, LabText::LevelSetsNotPowerOfTwo,
                       {number(ways == 0 ? 0 : lines / ways), number(lines), number(ways)});
    case LevelFaultKind::WaysZero:
        return std::string(labText(language, LabText::LevelWaysZero));
    case LevelFaultKind::MoreWaysThanLines:
        return labText(language, LabText::LevelMoreWaysThanLines, {number(ways), number(lines)});
    case LevelFaultKind::PlruWaysNotPowerOfTwo:
        return labText(language, LabText::LevelPlruWays, {number(ways)});
    case LevelFaultKind::LineSmallerThanAbove:
        return labText(language, LabText::LevelLineSmallerThanAbove,
                       {number(level.line), number(index == 0 ? 0 : config.levels[index - 1].line)});
    case LevelFaultKind::TooManyLevels:
        return std::string(labText(language, LabText::LevelTooMany));
    case LevelFaultKind::NoLevels:
        break;
    }
    return std::string(labText(language, LabText::LevelNone));
}

std::string specFaultText(LabLanguage language, const LevelSpecFault& fault, const HierarchyConfig& config) {
    const std::string_view value = fault.value;
    switch (fault.kind) {
    case SpecFaultKind::UnknownKey:
        return std::string(labText(language, LabText::SpecUnknownKey));
    case SpecFaultKind::MissingValue:
        return std::string(labText(language, LabText::SpecMissingValue));
    case SpecFaultKind::RepeatedKey:
        return std::string(labText(language, LabText::SpecRepeatedKey));
    case SpecFaultKind::BadSize:
        return labText(language, LabText::SpecBadSize, {value});
    case SpecFaultKind::BadCycles:
        return labText(language, LabText::SpecBadCycles, {value});
    case SpecFaultKind::BadWays:
        return labText(language, LabText::SpecBadWays, {value});
    case SpecFaultKind::BadPolicy:
        return labText(language, LabText::SpecBadPolicy, {value});
    case SpecFaultKind::BadWrite:
        return labText(language, LabText::SpecBadWrite, {value});
    case SpecFaultKind::BadAllocate:
        return labText(language, LabText::SpecBadAllocate, {value});
    case SpecFaultKind::TooManyLines: {
        const LevelConfig& level = config.levels[static_cast<std::size_t>(fault.level)];
        return labText(language, LabText::SpecTooManyLines, {number(level.capacity / level.line), number(maxLevelLines)});
    }
    case SpecFaultKind::Hierarchy:
        break;
    }
    return hierarchyFaultText(language, fault, config);
}

} // namespace

std::string traceFaultMessage(LabLanguage language, std::string_view traceName, const TraceFault& fault) {
    std::string message(traceName);
    if (fault.line != 0) {
        message += ':' + std::to_string(fault.line);
    }
    return message + ": " + whatIsWrong(language, fault);
}

std::string levelFaultMessage(LabLanguage language, const LevelSpecFault& fault, const HierarchyConfig& config) {
    const bool faultOfLevels = fault.kind == SpecFaultKind::Hierarchy && (fault.hierarchy == LevelFaultKind::TooManyLevels ||
                                                                         fault.hierarchy == LevelFaultKind::NoLevels);
    const std::string key = faultOfLevels ? "--level" : fault.key;
    return labText(language, LabText::LevelFault,
                   {levelName(fault.level), key, specFaultText(language, fault, config)});
}

std::string_view traceFormatName(TraceFormat format) { return formatNames[static_cast<std::size_t>(format)]; }

std::optional<TraceFormat> traceFormatNamed(std::string_view name) {
    for (std::size_t i = 0; i < std::size(formatNames); ++i) {
        if (formatNames[i] == name) {
            return static_cast<TraceFormat>(i);
        }
    }
    return std::nullopt;
}

// Appended: GCC 12 warns wrongly about a literal prepended to a string at -O3.
std::string levelName(int level) { return std::string(1, 'L').append(std::to_string(level + 1)); }
