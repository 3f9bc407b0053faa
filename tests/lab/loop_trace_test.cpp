// The traces of the loops: each template's length and first accesses worked by hand, the built-in examples
// as two of them, the straight loops' strides against every address computed, and the plain text read back.

#include "lab/example_traces.h"
#include "lab/loops/loop_check.h"
#include "lab/loops/loop_templates.h"
#include "lab/loops/loop_trace.h"
#include "lab/loops/plain_trace_text.h"
#include "lab/trace_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

bool sameAccesses(const std::vector<TraceAccess>& a, const std::vector<TraceAccess>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].address != b[i].address || a[i].size != b[i].size || a[i].op != b[i].op) {
            return false;
        }
    }
    return true;
}

// The whole trace of a checked program, read chunk accesses at a time.
std::vector<TraceAccess> generate(const LoopProgram& program, std::size_t chunk) {
    LoopTrace trace(program);
    std::vector<TraceAccess> accesses;
    std::vector<TraceAccess> buffer(chunk);
    for (std::size_t count; (count = trace.read(buffer.data(), chunk)) != 0;) {
        accesses.insert(accesses.end(), buffer.begin(), buffer.begin() + static_cast<long>(count));
    }
    EXPECT_FALSE(trace.failed());
    return accesses;
}

LoopProgram checkedTemplate(const std::string& choiceText) {
    const TemplateChoice choice = readTemplateChoice(choiceText);
    EXPECT_EQ(choice.fault, TemplateFaultKind::None);
    ParsedLoops parsed = parseTemplate(choice);
    EXPECT_EQ(parsed.fault.kind, LoopFaultKind::None);
    EXPECT_EQ(checkLoopProgram(parsed.program).kind, LoopFaultKind::None);
    return std::move(parsed.program);
}

std::string firstLines(const std::vector<TraceAccess>& accesses, std::size_t count) {
    std::string text;
    appendPlainTrace(accesses.data(), std::min(count, accesses.size()), text);
    return text;
}

TEST(LoopTemplates, EachTemplateGivesTheHandCountedTrace) {
    struct TemplateCase {
        std::string choice;
        std::uint64_t accesses;
        std::string first; // the first accesses, in plain lines
    };
    const std::vector<TemplateCase> cases = {
        {"rows", 65536, "R 0x0 4\nR 0x4 4\nR 0x8 4\n"},
        {"columns,rows=8,columns=2", 16, "R 0x0 4\nR 0x8 4\nR 0x10 4\n"},
        {"stride,n=100,k=30", 4, "R 0x0 4\nR 0x78 4\nR 0xf0 4\nR 0x168 4\n"},
        {"transpose,n=4", 32, "R 0x0 4\nW 0x40 4\nR 0x4 4\nW 0x50 4\n"},
        {"blocked-transpose,n=4,block=2", 32, "R 0x0 4\nW 0x40 4\nR 0x4 4\nW 0x50 4\nR 0x10 4\nW 0x44 4\n"},
        {"blocked-transpose,n=5,block=2", 50, "R 0x0 4\nW 0x64 4\nR 0x4 4\nW 0x78 4\nR 0x14 4\nW 0x68 4\n"},
        {"product-ijk,n=2", 20, "R 0x0 8\nR 0x20 8\nR 0x8 8\nR 0x30 8\nM 0x40 8\n"},
        {"product-ikj,n=2", 20, "R 0x0 8\nR 0x20 8\nM 0x40 8\nR 0x28 8\nM 0x48 8\n"},
        {"product-jki,n=2", 20, "R 0x20 8\nR 0x0 8\nM 0x40 8\nR 0x10 8\nM 0x50 8\n"},
        {"conflict", 2048, "R 0x0 4\nW 0x8000 4\nR 0x4 4\nW 0x8004 4\n"},
        {"conflict,n=2K,apart=0x10000", 4096, "R 0x0 4\nW 0x10000 4\n"},
    };
    for (const TemplateCase& c : cases) {
        SCOPED_TRACE(c.choice);
        const LoopProgram program = checkedTemplate(c.choice);
        const std::vector<TraceAccess> trace = generate(program, 1000);
        EXPECT_EQ(program.accesses, c.accesses);
        EXPECT_EQ(trace.size(), c.accesses);
        EXPECT_EQ(
            firstLines(trace, static_cast<std::size_t>(std::count(c.first.begin(), c.first.end(), '\n'))),
            c.first);
    }
}

TEST(LoopTemplates, RefusesWhatItCannotRead) {
    const std::vector<std::pair<std::string, TemplateFaultKind>> cases = {
        {"diagonal", TemplateFaultKind::UnknownTemplate},
        {"rows,", TemplateFaultKind::MissingValue},
        {"rows,n=4", TemplateFaultKind::UnknownKey},
        {"rows,rows=2,rows=3", TemplateFaultKind::RepeatedKey},
        {"rows,rows=0", TemplateFaultKind::BadValue},
        {"stride,k=8Q", TemplateFaultKind::BadValue},
        {"rows,rows=65537", TemplateFaultKind::BadValue},
        {"conflict,apart=-1", TemplateFaultKind::BadValue},
    };
    for (const auto& [text, fault] : cases) {
        EXPECT_EQ(readTemplateChoice(text).fault, fault) << text;
    }
    // Within its parameters' ranges a template may still make too long a trace: the check says so.
    ParsedLoops parsed = parseTemplate(readTemplateChoice("product-ijk,n=1024"));
    EXPECT_EQ(checkLoopProgram(parsed.program).kind, LoopFaultKind::TraceTooLong);
}

TEST(LoopTemplates, TheBuiltInExamplesAreTheRowsAndColumnsTemplates) {
    EXPECT_TRUE(sameAccesses(generate(checkedTemplate("rows"), 4096), exampleTrace(ExampleTrace::Rows)));
    EXPECT_TRUE(
        sameAccesses(generate(checkedTemplate("columns"), 4096), exampleTrace(ExampleTrace::Columns)));
}

// Descriptions whose loops run straight, backwards, in column-major order and beside loops that do not.
const char* const walks[] = {
    "array A short[6][7][5] column-major at 3\nfor i in 5..-1 step -2\n  for j in 1..7 step 3\n"
    "    for k in 0..5\n      read A[i][j][4 - k]\n      write A[5 - i][k + 1][i * 0 + 4 - k]\n",
    "array x char[50]\narray y long[50] after x align 4096\nfor i in 0..7\n  modify y[i * 7 - i]\n"
    "  for j in -3..4\n    read x[j * 2 + 6 + i]\n    read y[3 - j]\n  for j in 0..3\n    read y[(i + j + 3) "
    "% 7]\n"
    "  read x[49 - i]\n",
};

TEST(LoopTrace, StraightLoopsGiveTheAddressesOfEveryTurnInAnyChunks) {
    for (const char* walk : walks) {
        SCOPED_TRACE(walk);
        ParsedLoops parsed = parseLoopProgram(walk);
        ASSERT_EQ(checkLoopProgram(parsed.program).kind, LoopFaultKind::None);
        const std::vector<TraceAccess> strided = generate(parsed.program, 1);
        EXPECT_EQ(strided.size(), parsed.program.accesses);
        EXPECT_TRUE(sameAccesses(generate(parsed.program, 7), strided));
        for (LoopStatement& statement : parsed.program.statements) {
            statement.straight = false; // every address computed from its indices
        }
        EXPECT_TRUE(sameAccesses(generate(parsed.program, 4096), strided));
    }
}

TEST(LoopTrace, PlainTextReadsBackAsTheSameTrace) {
    for (const std::string choice : {"product-jki,n=9", "blocked-transpose,n=13,block=4", "conflict,n=300"}) {
        SCOPED_TRACE(choice);
        const std::vector<TraceAccess> trace = generate(checkedTemplate(choice), 333);
        std::string text;
        appendPlainTrace(trace.data(), trace.size(), text);
        TraceReader reader(text, {TraceFormat::Plain, true});
        std::vector<TraceAccess> back;
        TraceAccess chunk[1000];
        for (std::size_t count; (count = reader.read(chunk, 1000)) != 0;) {
            back.insert(back.end(), chunk, chunk + count);
        }
        EXPECT_TRUE(sameAccesses(back, trace));
        EXPECT_EQ(reader.fault().kind, TraceFaultKind::None);
    }
}

} // namespace
