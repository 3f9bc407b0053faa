// tarvel_cache_text: performs what a user does in the Configuration dialog and prints what the console shows.

#include "cli/error_line.h"
#include "cli/method_comparison.h"
#include "cli/step_table.h"
#include "cli/text_options.h"
#include "config/cache_config.h"
#include "config/choice_names.h"
#include "config/dialog_buttons.h"
#include "engine/random_source.h"
#include "exercise/exercise_sheet.h"
#include "report/status_report.h"
#include "view/main_scene.h"
#include "view/scene_json.h"

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

// Calls perRun(fields, lastRun) for every START SIMULARE the command line asks for, in order, while it
// returns true.
template <typename PerRun> void forEachRun(const TextCommand& command, PerRun perRun) {
    for (std::size_t segment = 0; segment < command.segments.size(); ++segment) {
        const RunSegment& runs = command.segments[segment];
        const bool lastSegment = segment + 1 == command.segments.size();
        for (std::uint32_t run = 0; run < runs.runs; ++run) {
            if (!perRun(runs.fields, lastSegment && run + 1 == runs.runs)) {
                return;
            }
        }
    }
}

// Presses "Setare mod" and START SIMULARE for every run and calls afterRun(lastRun) after each. The first
// configuration that does not validate ends the command with its error list.
template <typename AfterRun> int simulateEachRun(const TextCommand& command, AfterRun afterRun) {
    int status = 0;
    forEachRun(command, [&](const DialogFields& fields, bool lastRun) {
        pressSetareMod(fields);
        if (cacheConfig.configErrors != 0) {
            printStatusReport(stdout);
            status = exitInvalidConfiguration;
            return false;
        }
        pressStartSimulation();
        afterRun(lastRun);
        return true;
    });
    return status;
}

// Every run under the five methods and policies. Every table is printed; a combination that does not validate
// only makes the exit status 2.
int compareEachRun(const TextCommand& command) {
    const ComparisonFormat format = command.comparisonCsv ? ComparisonFormat::Csv : ComparisonFormat::Table;
    MethodComparison comparison(format, stdout, stderr);
    bool everyValid = true;
    forEachRun(command, [&](const DialogFields& fields, bool /*lastRun*/) {
        everyValid = comparison.compareRun(fields) && everyValid;
        return true;
    });
    return everyValid ? 0 : exitInvalidConfiguration;
}

// What the main window shows after the last run. A configuration that does not validate ends the command as
// the window then stands, on its title picture, with the first error on standard error.
int printSceneAfterRuns(const TextCommand& command) {
    int status = 0;
    forEachRun(command, [&](const DialogFields& fields, bool /*lastRun*/) {
        pressSetareMod(fields);
        if (cacheConfig.configErrors != 0) {
            std::fprintf(stderr, "tarvel_cache_text: %s\n", firstErrorMessage().c_str());
            status = exitInvalidConfiguration;
            return false;
        }
        pressStartSimulation();
        return true;
    });
    std::fputs(sceneJsonLines(recordMainView(standardClient)).c_str(), stdout);
    return status;
}

// The sheets of --exercise. A drawn configuration always validates; one that did not would show its error
// list.
int printExercises(const TextCommand& command) {
    const SheetOptions options{command.exerciseAnswers,
                               command.exerciseMarkdown ? SheetFormat::Markdown : SheetFormat::Text};
    if (!writeExerciseSheets(stdout, *command.exerciseSeed, command.exerciseCount, options)) {
        printStatusReport(stdout);
        return exitInvalidConfiguration;
    }
    return 0;
}

int perform(const TextCommand& command) {
    allocateNameBuffers();
    if (command.exerciseSeed) {
        return printExercises(command);
    }
    if (command.seed) {
        seedDeterministicRandom(*command.seed);
    }
    if (command.compareMethods) {
        return compareEachRun(command);
    }
    if (command.printScene) {
        return printSceneAfterRuns(command);
    }
    if (command.printSteps) {
        StepTable table(stdout);
        return simulateEachRun(command, [&](bool /*lastRun*/) { table.writeLastRun(); });
    }
    return simulateEachRun(command, [&](bool lastRun) {
        if (command.printEach || lastRun) {
            printStatusReport(stdout);
        }
    });
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
    return finish(perform(parsed.command));
}
