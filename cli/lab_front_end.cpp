#include "cli/lab_front_end.h"

#include "cli/lab_options.h"
#include "cli/lab_rows.h"
#include "cli/lab_summary.h"
#include "lab/lab_messages.h"
#include "lab/trace_read_ahead.h"
#include "lab/lab_run.h"
#include "lab/level_spec.h"
#include "lab/loops/loop_source.h"
#include "lab/loops/loop_templates.h"
#include "lab/loops/loop_texts.h"
#include "lab/loops/loop_trace.h"
#include "lab/loops/plain_trace_text.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr std::string_view programName = "tarvel_cache_lab: ";
constexpr std::size_t feedChunk = std::size_t{1} << 16; // accesses handed to the model at once

struct Streams {
    std::FILE* in;
    std::FILE* out;
    std::FILE* err;
    LabLanguage language;
};

void printError(const Streams& streams, std::string_view line) {
    std::fprintf(streams.err, "%.*s%.*s\n", static_cast<int>(programName.size()), programName.data(),
                 static_cast<int>(line.size()), line.data());
}

int finish(int status, const Streams& streams) {
    if (std::fflush(streams.out) != 0 || std::ferror(streams.out) != 0) {
        printError(streams, labText(streams.language, LabText::OutputFailed));
        return labExitOutput;
    }
    return status;
}

// The trace a command reads: an open file (standard input included) or accesses already in memory.
struct TraceSource {
    std::string name;
    std::FILE* file = nullptr;  // null once the accesses are in memory
    std::FILE* opened = nullptr; // the file the command opened, closed at the end
    std::vector<TraceAccess> accesses; // an example, or a trace kept to be run after it is read
    LoopSource loops;                  // generated from loops, when fromLoops
    bool fromLoops = false;
    TraceOptions options;
    LabTraceFacts facts;

    TraceSource() = default;
    TraceSource(const TraceSource&) = delete;
    TraceSource& operator=(const TraceSource&) = delete;
    ~TraceSource() {
        if (opened != nullptr) {
            std::fclose(opened);
        }
    }
};

// The whole trace through feed(accesses, count), from the file or from memory; the reader's fault, kind None
// after a clean end.
template <typename Feed> TraceFault readTrace(TraceSource& source, Feed feed) {
    if (source.fromLoops) {
        LoopTrace trace(source.loops.program);
        std::vector<TraceAccess> chunk(feedChunk);
        for (std::size_t count; (count = trace.read(chunk.data(), chunk.size())) != 0;) {
            feed(chunk.data(), count);
        }
        return {};
    }
    if (source.file == nullptr) {
        for (std::size_t at = 0; at < source.accesses.size(); at += feedChunk) {
            feed(source.accesses.data() + at, std::min(feedChunk, source.accesses.size() - at));
        }
        return {};
    }
    TraceReader reader(source.file, source.options);
    readTraceAhead(reader, feedChunk, feed);
    source.facts.format = std::string(traceFormatName(reader.format()));
    source.facts.skipped = reader.skippedRecords();
    source.facts.dropped = reader.droppedFetches();
    return reader.fault();
}

// Says which format the automatic choice made, then what is wrong, if anything: the exit status or 0.
int reportRead(const Streams& streams, const TraceSource& source, const TraceFault& fault) {
    if (source.file != nullptr && source.options.format == TraceFormat::Auto && !source.facts.format.empty()) {
        printError(streams, labText(streams.language, LabText::FormatChosen, {source.name, source.facts.format}));
    }
    if (fault.kind == TraceFaultKind::None) {
        return 0;
    }
    printError(streams, traceFaultMessage(streams.language, source.name, fault));
    return fault.kind == TraceFaultKind::Unreadable ? labExitNoInput : labExitTrace;
}

bool isSeekable(std::FILE* file) { return std::ftell(file) >= 0 && std::fseek(file, 0, SEEK_CUR) == 0; }

// Before a run that writes as it goes, the whole trace is read once: a faulty line must stop the command
// before anything is written. A file that can be sought is read again; standard input from a pipe is kept
// in memory.
int validateBeforeRun(const Streams& streams, TraceSource& source) {
    if (source.file == nullptr) {
        return 0;
    }
    const long start = isSeekable(source.file) ? std::ftell(source.file) : -1;
    const auto keep = [&](const TraceAccess* accesses, std::size_t count) {
        if (start < 0) {
            source.accesses.insert(source.accesses.end(), accesses, accesses + count);
        }
    };
    const int status = reportRead(streams, source, readTrace(source, keep));
    if (status != 0) {
        return status;
    }
    if (start < 0) {
        source.file = nullptr;
        return 0;
    }
    std::clearerr(source.file);
    if (std::fseek(source.file, start, SEEK_SET) != 0) {
        printError(streams, traceFaultMessage(streams.language, source.name, {TraceFaultKind::Unreadable, 0, {}, {}}));
        return labExitNoInput;
    }
    source.options.format = traceFormatNamed(source.facts.format).value_or(TraceFormat::Auto);
    return 0;
}

// A description from its file or a template, checked before anything runs.
int openLoops(const Streams& streams, const LabCommand& command, TraceSource& source) {
    source.fromLoops = true;
    if (!command.templateChoice.empty()) {
        source.loops = loopSourceFromTemplate(command.templateChoice, streams.language);
        source.facts.format = "--template";
    } else {
        const std::string path(command.loopsPath);
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (file == nullptr) {
            printError(streams, labText(streams.language, LabText::OpenFailed, {path, std::strerror(errno)}));
            return labExitNoInput;
        }
        source.loops = loopSourceFromFile(file, path, streams.language);
        std::fclose(file);
        source.facts.format = "--loops";
    }
    source.name = source.facts.name = source.loops.name;
    if (source.loops.fault == LoopSourceFault::None) {
        return 0;
    }
    printError(streams, source.loops.error);
    return source.loops.fault == LoopSourceFault::Choice       ? labExitUsage
           : source.loops.fault == LoopSourceFault::Unreadable ? labExitNoInput
                                                               : labExitTrace;
}

int openTrace(const Streams& streams, const LabCommand& command, TraceSource& source) {
    source.options = command.traceOptions;
    if (!command.loopsPath.empty() || !command.templateChoice.empty()) {
        return openLoops(streams, command, source);
    }
    if (command.example) {
        source.accesses = exampleTrace(*command.example);
        source.name = *command.example == ExampleTrace::Rows ? "rows" : "columns";
        source.facts.format = "--example";
    } else if (command.tracePath == "-") {
        source.file = streams.in;
        source.name = labText(streams.language, LabText::StandardInput);
    } else {
        source.name = command.tracePath;
        source.file = std::fopen(source.name.c_str(), "rb");
        if (source.file == nullptr) {
            printError(streams, labText(streams.language, LabText::OpenFailed, {source.name, std::strerror(errno)}));
            return labExitNoInput;
        }
        source.opened = source.file;
    }
    source.facts.name = source.name;
    return 0;
}

int runSweep(const Streams& streams, const HierarchyConfig& config, TraceSource& source) {
    LabSweep sweep = startLabSweep(config.levels.front());
    const int status = reportRead(streams, source, readTrace(source, [&](const TraceAccess* accesses, std::size_t count) {
                                      feedLabSweep(sweep, accesses, count);
                                  }));
    if (status != 0) {
        return status;
    }
    const std::string csv = labSweepCsv(finishLabSweep(sweep));
    std::fwrite(csv.data(), 1, csv.size(), streams.out);
    return 0;
}

// The trace in the plain format, written as it is generated or read; a trace file is read whole first, so
// that a faulty line leaves the output empty.
int emitPlainTrace(const Streams& streams, TraceSource& source) {
    if (const int status = validateBeforeRun(streams, source); status != 0) {
        return status;
    }
    constexpr std::size_t flushBytes = std::size_t{1} << 20;
    std::string text;
    const TraceFault fault = readTrace(source, [&](const TraceAccess* accesses, std::size_t count) {
        appendPlainTrace(accesses, count, text);
        if (text.size() >= flushBytes) {
            std::fwrite(text.data(), 1, text.size(), streams.out);
            text.clear();
        }
    });
    std::fwrite(text.data(), 1, text.size(), streams.out);
    return reportRead(streams, source, fault);
}

bool usesOpt(const HierarchyConfig& config) {
    return std::any_of(config.levels.begin(), config.levels.end(),
                       [](const LevelConfig& level) { return level.policy == LabPolicy::Opt; });
}

int runHierarchy(const Streams& streams, const LabCommand& command, const HierarchyConfig& config,
                 TraceSource& source) {
    const bool steps = command.output == LabOutput::Steps;
    // Under opt the model runs the trace only once it has all of it: its steps come after the last line.
    if (steps && !usesOpt(config)) {
        if (const int status = validateBeforeRun(streams, source); status != 0) {
            return status;
        }
    }
    StepWriter writer(streams.out);
    LabRun run = startLabRun(config, steps ? writer.sink() : LabStepSink{});
    const TraceFault fault =
        readTrace(source, [&](const TraceAccess* accesses, std::size_t count) { feedLabRun(run, accesses, count); });
    if (const int status = reportRead(streams, source, fault); status != 0) {
        return status;
    }
    const LabSummary summary = finishLabRun(run);
    if (steps) {
        writer.flush();
        return 0;
    }
    const std::string text = command.output == LabOutput::Csv    ? labSummaryCsv(summary)
                             : command.output == LabOutput::Json ? labSummaryJson(summary, source.facts)
                                                                 : labSummaryTable(command.language, config, summary,
                                                                                   source.facts);
    std::fwrite(text.data(), 1, text.size(), streams.out);
    return 0;
}

int perform(const Streams& streams, const LabCommand& command) {
    const BuiltHierarchy built = buildHierarchy(command.levels, command.memoryCycles, command.seed);
    for (const LevelSpecFault& fault : built.faults) {
        printError(streams, levelFaultMessage(streams.language, fault, built.config));
    }
    if (!built.faults.empty()) {
        return labExitLevel;
    }
    TraceSource source;
    if (const int status = openTrace(streams, command, source); status != 0) {
        return status;
    }
    if (command.emitTrace) {
        return emitPlainTrace(streams, source);
    }
    return command.output == LabOutput::Sweep ? runSweep(streams, built.config, source)
                                              : runHierarchy(streams, command, built.config, source);
}

} // namespace

int runLabFrontEnd(std::span<const std::string_view> arguments, std::FILE* in, std::FILE* out, std::FILE* err) {
    const ParsedLabCommand parsed = parseLabCommand(arguments);
    const Streams streams{in, out, err, parsed.command.language};
    if (!parsed.error.empty()) {
        printError(streams, parsed.error);
        return labExitUsage;
    }
    if (parsed.command.showHelp || parsed.command.listTemplates) {
        const std::string text = parsed.command.showHelp
                                     ? std::string(labText(streams.language, LabText::Help)) +
                                           std::string(loopText(streams.language, LoopText::HelpLoops))
                                     : templateList(streams.language);
        std::fwrite(text.data(), 1, text.size(), out);
        return finish(0, streams);
    }
    return finish(perform(streams, parsed.command), streams);
}
