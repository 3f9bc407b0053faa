// tarvel_cache_text: performs what a user does in the Configuration dialog and prints what the console shows.

#include "cli/text_options.h"
#include "config/cache_config.h"
#include "config/choice_names.h"
#include "config/dialog_buttons.h"
#include "engine/random_source.h"
#include "report/status_report.h"

#include <cstdio>
#include <string_view>
#include <vector>

namespace {

constexpr int exitInvalidConfiguration = 2;
constexpr int exitUsage = 64;
constexpr int exitOutputFailed = 74;

int finish(int status) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        std::fputs("tarvel_cache_text: the report could not be written to standard output\n", stderr);
        return exitOutputFailed;
    }
    return status;
}

int perform(const TextCommand& command) {
    allocateNameBuffers();
    if (command.seed) {
        seedDeterministicRandom(*command.seed);
    }
    for (std::size_t segment = 0; segment < command.segments.size(); ++segment) {
        const RunSegment& runs = command.segments[segment];
        const bool lastSegment = segment + 1 == command.segments.size();
        for (std::uint32_t run = 0; run < runs.runs; ++run) {
            pressSetareMod(runs.fields);
            if (cacheConfig.configErrors != 0) {
                printStatusReport(stdout);
                return finish(exitInvalidConfiguration);
            }
            pressStartSimulation();
            if (command.printEach || (lastSegment && run + 1 == runs.runs)) {
                printStatusReport(stdout);
            }
        }
    }
    return finish(0);
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const ParsedCommand parsed = parseTextCommand(arguments);
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "tarvel_cache_text: %s\n", parsed.error.c_str());
        return exitUsage;
    }
    if (parsed.command.showHelp) {
        std::fputs(textUsage().c_str(), stdout);
        return finish(0);
    }
    return perform(parsed.command);
}
