// tarvel_cache_lab run as its own process: for each command line, its exit status and what reaches standard
// output and standard error.

#include "text_lines.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Named by the test's process, so that test runs side by side never read each other's files.
std::string scratch(const std::string& name) {
    return testing::TempDir() + "lab_front_end." + std::to_string(getpid()) + "." + name;
}

// The trace file's name in the folder the command runs in, which "{trace}" stands for in a case.
std::string traceName() { return "lab_front_end." + std::to_string(getpid()) + ".trace"; }

std::string withTraceName(std::string text) {
    for (std::size_t at; (at = text.find("{trace}")) != std::string::npos;) {
        text.replace(at, 7, traceName());
    }
    return text;
}

// The command with the trace file (and standard input, through a pipe or from the file) holding trace.
Outcome runLab(const std::string& arguments, const std::string& trace, bool piped, const std::string& out) {
    const std::string tracePath = testing::TempDir() + traceName();
    const std::string outPath = out.empty() ? scratch("out") : out;
    const std::string errPath = scratch("err");
    writeFile(tracePath, trace);
    const std::string command = (piped ? "cat " + tracePath + " | " : std::string()) + LAB_FRONT_END_PATH + " " +
                                withTraceName(arguments) + (piped ? "" : " <" + tracePath) + " >" + outPath + " 2>" + errPath;
    const int status = std::system(("cd " + testing::TempDir() + " && " + command).c_str());
    Outcome outcome{WIFEXITED(status) ? WEXITSTATUS(status) : -1, out.empty() ? readFile(outPath) : "", readFile(errPath)};
    for (const std::string& path : {tracePath, out.empty() ? outPath : std::string(), errPath}) {
        std::remove(path.c_str());
    }
    return outcome;
}

const std::string shortTrace = "W 0x0,4\nW 0x4,4\nR 0x40\nR 0x80\n";
const std::string csvHeader = "level,accesses,reads,writes,hits,misses,miss_rate,compulsory,capacity,conflict,"
                              "writebacks,bytes_in,bytes_out,dirty_at_end\n";
const std::string chosenPlain = "tarvel_cache_lab: standard input: read as plain, judged by its first lines\n";

struct Case {
    std::string arguments;
    std::string trace; // on standard input and in {trace}
    bool piped;
    int exitCode;
    std::string out; // the whole output; with a final "...", its start
    std::string err;
    std::string outPath = {}; // where standard output goes instead of a file read back
};

TEST(LabFrontEnd, ExitStatusesAndOutputs) {
    const Case cases[] = {
        {"--help", "", false, 0, "Utilizare: tarvel_cache_lab [optiuni] TRACE\n...", ""},
        {"--lang en --help", "", false, 0, "Usage: tarvel_cache_lab [options] TRACE\n...", ""},
        // Write-back: line 0 is fetched, written twice and written back when 0x80 takes its set.
        {"- --level size=128,ways=1 --csv --lang en", shortTrace, true, 0,
         csvHeader + "L1,4,2,2,1,3,0.75,3,0,0,1,192,64,0\nmemory,4,3,1,,,,,,,,192,64,\namat,79,,,,,,,,,,,,\n",
         chosenPlain},
        // Write-through: both writes go below, 4 bytes each; nothing is written back.
        {"- --level size=128,ways=1,write=through --csv --lang en", shortTrace, true, 0,
         csvHeader + "L1,4,2,2,1,3,0.75,3,0,0,0,192,8,0\nmemory,5,3,2,,,,,,,,192,8,\namat,79,,,,,,,,,,,,\n",
         chosenPlain},
        {"--format plain - --level size=128,ways=1 --steps", shortTrace, true, 0,
         "step,level,op,address,set,tag,outcome,kind,victim,writeback\n1,L1,W,0x0,0,0x0,miss,compulsory,,0\n"
         "2,L1,W,0x0,0,0x0,hit,,,0\n3,L1,R,0x40,1,0x0,miss,compulsory,,0\n4,L1,R,0x80,0,0x1,miss,compulsory,0x0,1\n",
         ""},
        {"--example rows --json", "", false, 0, "{\"trace\":{\"name\":\"rows\",\"format\":\"--example\",...", ""},
        {"--lang en --level size=12K,ways=3,policy=plru --level line=32,colour=red --example rows", "", false, 2,
         "",
         "tarvel_cache_lab: L1, policy: plru needs a power of two ways, not 3\n"
         "tarvel_cache_lab: L2, colour: unknown key; the keys are size, line, ways, policy, write, allocate and hit\n"
         "tarvel_cache_lab: L2, line: a line of 32 bytes, smaller than the 64 bytes of the level above\n"},
        {"--csv", "", false, 64, "",
         "tarvel_cache_lab: niciun trace: dati un fisier, - pentru intrarea standard, sau --example rows ori columns\n"},
        {"--lang en --csv --steps -", "", false, 64, "",
         "tarvel_cache_lab: --csv, --json, --steps and --sweep each replace the table: choose one\n"},
        {"--lang en --example rows --format din", "", false, 64, "",
         "tarvel_cache_lab: --format reads a trace file; --example needs none\n"},
        // A faulty line stops --steps before any row, from a file read twice and from a pipe kept in memory.
        {"--lang en --steps {trace}", "0 10\n1 20\n0 1g\n", false, 65, "",
         "tarvel_cache_lab: {trace}: read as din, judged by its first lines\n"
         "tarvel_cache_lab: {trace}:3: \"1g\" is not an address: a hexadecimal number\n"},
        {"--lang en --steps -", "R 1\nR 2\nR 3,0\n", true, 65, "",
         chosenPlain + "tarvel_cache_lab: standard input:3: an access of 0 bytes: a size is at least 1\n"},
        {"--lang en --format lackey -", " L 10,4\n L 20\n", false, 65, "",
         "tarvel_cache_lab: standard input:2: a size is expected after a comma\n"},
        {"--lang en {trace}", std::string("R 1\n\0\1\2", 7), false, 65, "",
         "tarvel_cache_lab: {trace}: read as plain, judged by its first lines\n"
         "tarvel_cache_lab: {trace}:2: a NUL or control byte: a binary file, not a trace\n"},
        {"--lang en --no-ifetch --format din -", "2 400\n3 0\n", false, 65, "",
         "tarvel_cache_lab: standard input: no accesses\n"},
        {"absent.din", "", false, 66, "", "tarvel_cache_lab: absent.din: nu poate fi deschis: No such file or directory\n"},
        {"--example rows", "", false, 74, "", "tarvel_cache_lab: iesirea nu a putut fi scrisa\n", "/dev/full"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const Outcome outcome = runLab(c.arguments, c.trace, c.piped, c.outPath);
        EXPECT_EQ(outcome.exitCode, c.exitCode);
        EXPECT_EQ(outcome.err, withTraceName(c.err));
        if (c.out.ends_with("...")) {
            EXPECT_TRUE(outcome.out.starts_with(c.out.substr(0, c.out.size() - 3))) << outcome.out;
        } else {
            EXPECT_EQ(outcome.out, c.out);
        }
    }
}

// The classic curve: 78 configurations with 64-byte lines, the fully associative ones printed "full".
TEST(LabFrontEnd, SweepPrintsEveryConfigurationThatFits) {
    const Outcome outcome = runLab("--sweep --example columns", "", false, "");
    EXPECT_EQ(outcome.exitCode, 0);
    const std::vector<std::string> lines = linesOf(outcome.out);
    ASSERT_EQ(lines.size(), 79u);
    EXPECT_EQ(lines[0], "size,ways,accesses,misses,miss_rate,compulsory,capacity,conflict");
    EXPECT_TRUE(lines[1].starts_with("1024,1,65536,")) << lines[1];
    EXPECT_TRUE(lines.back().starts_with("4194304,full,65536,4096,0.0625,4096,0,0")) << lines.back();
}

} // namespace
