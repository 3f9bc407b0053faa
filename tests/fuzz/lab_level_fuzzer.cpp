// Fuzz target "lab level": the input is the texts of --level options, one a line, built into a hierarchy.
// It must not crash; a hierarchy without faults is one checkHierarchy accepts, of one to three levels whose
// lines the model can hold; every fault names a level and has a one-line message in both languages.

#include "fuzz_support.h"

#include "lab/lab_messages.h"
#include "lab/level_spec.h"

#include <string>
#include <string_view>
#include <vector>

namespace {

// More levels than these only repeat the fault of too many.
constexpr std::size_t maxSpecs = 5;

std::vector<std::string_view> splitLines(std::string_view input) {
    std::vector<std::string_view> lines;
    while (!input.empty() && lines.size() < maxSpecs) {
        const std::size_t end = std::min(input.find('\n'), input.size());
        lines.push_back(input.substr(0, end));
        input.remove_prefix(std::min(end + 1, input.size()));
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string_view> specs = splitLines(std::string_view(reinterpret_cast<const char*>(data), size));
    const BuiltHierarchy built = buildHierarchy(specs, 100, 1);
    if (built.faults.empty()) {
        FUZZ_CHECK(checkHierarchy(built.config).empty(), "a hierarchy the check refuses");
        FUZZ_CHECK(!built.config.levels.empty() && built.config.levels.size() <= maxLabLevels,
                   std::to_string(built.config.levels.size()));
        for (const LevelConfig& level : built.config.levels) {
            const std::uint64_t sets = levelSets(level);
            FUZZ_CHECK(levelLines(level) <= maxLevelLines, std::to_string(levelLines(level)));
            FUZZ_CHECK(sets != 0 && (sets & (sets - 1)) == 0, std::to_string(sets));
        }
        return 0;
    }
    int previous = 0;
    for (const LevelSpecFault& fault : built.faults) {
        FUZZ_CHECK(fault.level >= previous && fault.level <= static_cast<int>(specs.size()), std::to_string(fault.level));
        previous = fault.level;
        for (const LabLanguage language : {LabLanguage::Romanian, LabLanguage::English}) {
            const std::string message = levelFaultMessage(language, fault, built.config);
            FUZZ_CHECK(message.starts_with("L") && message.find('\n') == std::string::npos, message);
        }
    }
    return 0;
}
