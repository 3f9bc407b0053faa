#include "cli/text_front_end.h"

#include "cli/method_comparison.h"
#include "cli/step_table.h"
#include "cli/text_options.h"
#include "config/cache_config.h"
#include "config/choice_names.h"
#include "dialog/dialog_buttons.h"
#include "engine/random_source.h"
#include "exercise/exercise_sheet.h"
#include "report/error_line.h"
#include "report/status_report.h"
#include "view/main_scene.h"
#include "view/scene_json.h"

#include <cstdio>

namespace {

// Where a command writes: its report and its error lines.
struct Streams {
    std::FILE* out;
    std::FILE* err;
};

int finish(int status, const Streams& streams) {
    if (std::fflush(streams.out) != 0 || std::ferror(streams.out) != 0) {
        std::fputs("tarvel_cache_text: the report could not be written to standard output\n", streams.err);
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
template <typename AfterRun>
int simulateEachRun(const TextCommand& command, const Streams& streams, AfterRun afterRun) {
    int status = 0;
    forEachRun(command, [&](const DialogFields& fields, bool lastRun) {
        pressSetareMod(fields);
        if (cacheConfig.configErrors != 0) {
            printStatusReportIn(streams.out, command.language);
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
int compareEachRun(const TextCommand& command, const Streams& streams) {
    const ComparisonFormat format = command.comparisonCsv ? ComparisonFormat::Csv : ComparisonFormat::Table;
    MethodComparison comparison(format, command.language, streams.out, streams.err);
    bool everyValid = true;
    forEachRun(command, [&](const DialogFields& fields, bool /*lastRun*/) {
        everyValid = comparison.compareRun(fields) && everyValid;
        return true;
    });
    return everyValid ? 0 : exitInvalidConfiguration;
}

// What the main window shows after the last run. A configuration that does not validate ends the command as
// the window then stands, on its title picture, with the first error on standard error.
int printSceneAfterRuns(const TextCommand& command, const Streams& streams) {
    int status = 0;
    forEachRun(command, [&](const DialogFields& fields, bool /*lastRun*/) {
        pressSetareMod(fields);
        if (cacheConfig.configErrors != 0) {
            std::fprintf(streams.err, "tarvel_cache_text: %s\n", firstErrorMessage(command.language).c_str());
            status = exitInvalidConfiguration;
            return false;
        }
        pressStartSimulation();
        return true;
    });
    std::fputs(sceneJsonLines(recordMainViewIn(standardClient, command.language)).c_str(), streams.out);
    return status;
}

// The sheets of --exercise. A drawn configuration always validates; one that did not would show its error
// list.
int printExercises(const TextCommand& command, const Streams& streams) {
    const SheetOptions options{command.exerciseAnswers,
                               command.exerciseMarkdown ? SheetFormat::Markdown : SheetFormat::Text,
                               command.language};
    if (!writeExerciseSheets(streams.out, *command.exerciseSeed, command.exerciseCount, options)) {
        printStatusReportIn(streams.out, command.language);
        return exitInvalidConfiguration;
    }
    return 0;
}

int perform(const TextCommand& command, const Streams& streams) {
    allocateNameBuffers();
    if (command.exerciseSeed) {
        return printExercises(command, streams);
    }
    if (command.seed) {
        seedDeterministicRandom(*command.seed);
    }
    if (command.compareMethods) {
        return compareEachRun(command, streams);
    }
    if (command.printScene) {
        return printSceneAfterRuns(command, streams);
    }
    if (command.printSteps) {
        StepTable table(streams.out);
        return simulateEachRun(command, streams, [&](bool /*lastRun*/) { table.writeLastRun(); });
    }
    return simulateEachRun(command, streams, [&](bool lastRun) {
        if (command.printEach || lastRun) {
            printStatusReportIn(streams.out, command.language);
        }
    });
}

} // namespace

int runTextFrontEnd(std::span<const std::string_view> arguments, std::FILE* out, std::FILE* err) {
    const Streams streams{out, err};
    const ParsedCommand parsed = parseTextCommand(arguments);
    if (!parsed.error.empty()) {
        std::fprintf(err, "tarvel_cache_text: %s\n", parsed.error.c_str());
        return exitUsage;
    }
    if (parsed.command.showHelp) {
        std::fputs(textUsage(parsed.command.language).c_str(), out);
        return finish(0, streams);
    }
    return finish(perform(parsed.command, streams), streams);
}
