// Fuzz target "command line": the input is an argument vector of tarvel_cache_text, one argument a line (a
// newline or a NUL byte ends an argument), parsed and performed in-process from the start-up records, its
// output and errors written to memory streams. It must not crash, its exit status must be one of those the
// usage lists (0, 2, 64, 74), and a usage error writes one line to the error stream and nothing else.

#include "fuzz_support.h"

#include "cli/text_front_end.h"
#include "cli/text_options.h"
#include "report/printed_text.h"

#include <string>
#include <string_view>
#include <vector>

namespace {

// Beyond these the command is only parsed: a million runs would take the fuzzer's time for one input.
constexpr std::uint64_t maxRuns = 100;
constexpr std::uint32_t maxSheets = 20;

std::vector<std::string_view> splitArguments(std::string_view input) {
    std::vector<std::string_view> arguments;
    while (!input.empty()) {
        const std::size_t end = std::min(input.find_first_of(std::string_view("\n\0", 2)), input.size());
        arguments.push_back(input.substr(0, end));
        input.remove_prefix(std::min(end + 1, input.size()));
    }
    return arguments;
}

bool asksTooMuch(const ParsedCommand& parsed) {
    if (!parsed.error.empty()) {
        return false;
    }
    const TextCommand& command = parsed.command;
    std::uint64_t runs = 0;
    for (const RunSegment& segment : command.segments) {
        runs += segment.runs;
    }
    if (command.compareMethods) {
        runs *= 5;
    }
    return runs > maxRuns || (command.exerciseSeed && command.exerciseCount > maxSheets);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string_view> arguments =
        splitArguments(std::string_view(reinterpret_cast<const char*>(data), size));
    if (asksTooMuch(parseTextCommand(arguments))) {
        return 0;
    }
    startFromStartup(inputSeed(data, size)); // a command without --seed draws from the input's seed
    TextStream out = openTextStream();
    TextStream err = openTextStream();
    if (out.file == nullptr || err.file == nullptr) {
        invariantBroken("memory streams could be opened");
    }
    const int status = runTextFrontEnd(arguments, out.file, err.file);
    const std::string outText = closeTextStream(out);
    const std::string errText = closeTextStream(err);
    FUZZ_CHECK(status == 0 || status == exitInvalidConfiguration || status == exitUsage ||
                   status == exitOutputFailed,
               "exit status " + std::to_string(status));
    if (status == exitUsage) {
        FUZZ_CHECK(outText.empty(), outText);
        FUZZ_CHECK(errText.starts_with("tarvel_cache_text: ") && errText.ends_with("\n") &&
                       errText.find('\n') == errText.size() - 1,
                   errText);
    }
    return 0;
}
