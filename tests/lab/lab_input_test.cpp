// The laboratory's input: each trace reader's accepted and refused lines, the choice of a format, the
// streaming across chunks and from a file, the built-in traces, and the levels' texts with their faults.

#include "lab/example_traces.h"
#include "lab/lab_messages.h"
#include "lab/level_spec.h"
#include "lab/trace_read_ahead.h"
#include "lab/trace_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

bool operator==(const TraceAccess& a, const TraceAccess& b) {
    return a.address == b.address && a.size == b.size && a.op == b.op;
}

namespace {

struct ReadTrace {
    std::vector<TraceAccess> accesses;
    TraceFault fault;
    TraceFormat format = TraceFormat::Auto;
    std::uint64_t skipped = 0;
};

// Every access in turn, or read ahead as the front-end reads a file.
ReadTrace readAll(TraceReader& reader, std::size_t chunk = 4096, bool ahead = false) {
    ReadTrace read;
    auto keep = [&read](const TraceAccess* accesses, std::size_t count) {
        read.accesses.insert(read.accesses.end(), accesses, accesses + count);
    };
    const ChunkSink sink = chunkSinkOf(keep);
    if (ahead) {
        readTraceAhead(reader, chunk, sink);
    } else {
        readTraceInTurn(reader, chunk, sink);
    }
    read.fault = reader.fault();
    read.format = reader.format();
    read.skipped = reader.skippedRecords();
    return read;
}

ReadTrace readText(const std::string& text, TraceOptions options = {}, std::size_t chunk = 4096,
                   bool ahead = false) {
    TraceReader reader(text, options);
    return readAll(reader, chunk, ahead);
}

constexpr AccessOp R = AccessOp::Read;
constexpr AccessOp W = AccessOp::Write;
constexpr AccessOp M = AccessOp::Modify;
constexpr std::uint64_t last = ~std::uint64_t{0};

// One line of a format: the access it gives (none for a line without one), or its fault and the piece of
// the line the fault names.
struct LineCase {
    LineCase(std::string line_, std::optional<TraceAccess> access_, TraceFaultKind fault_ = TraceFaultKind::None,
             std::string text_ = {})
        : line(std::move(line_)), access(access_), fault(fault_), text(std::move(text_)) {}
    std::string line;
    std::optional<TraceAccess> access;
    TraceFaultKind fault = TraceFaultKind::None;
    std::string text;
};

// Each line alone, then a good line after it, so that a line without an access still ends a trace with one.
void checkLines(TraceFormat format, const std::string& goodLine, const TraceAccess& good,
                const std::vector<LineCase>& cases) {
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.line);
        const ReadTrace read = readText(c.line + "\n" + goodLine + "\n", {format, true});
        EXPECT_EQ(read.fault.kind, c.fault);
        if (c.fault != TraceFaultKind::None) {
            EXPECT_EQ(read.fault.line, 1u);
            EXPECT_EQ(read.fault.text, c.text);
            EXPECT_TRUE(read.accesses.empty());
            continue;
        }
        std::vector<TraceAccess> expected;
        if (c.access) {
            expected.push_back(*c.access);
        }
        expected.push_back(good);
        EXPECT_EQ(read.accesses, expected);
    }
}

using K = TraceFaultKind;

TEST(TraceReader, PlainLines) {
    checkLines(TraceFormat::Plain, "R 1", {1, 1, R},
               {
                   {"R 0x10,4", TraceAccess{0x10, 4, R}},
                   {"r 16 4", TraceAccess{16, 4, R}},
                   {"L 0X1F", TraceAccess{0x1f, 1, R}},
                   {"W 100", TraceAccess{100, 1, W}},
                   {"w 0x0 , 8", TraceAccess{0, 8, W}},
                   {"\tS 7,2  # a note", TraceAccess{7, 2, W}},
                   {"M 0xffffffffffffffff", TraceAccess{last, 1, M}},
                   {"  4096\r", TraceAccess{4096, 1, R}},
                   {"18446744073709551615", TraceAccess{last, 1, R}},
                   {"0xfffffffffffffff0,16", TraceAccess{last - 15, 16, R}},
                   {"0 4294967295", TraceAccess{0, 4294967295u, R}},
                   {"", std::nullopt},
                   {"  # a comment, with ăîşţ", std::nullopt},
                   {"X 10", std::nullopt, K::UnknownOperation, "X"},
                   {"R-16", std::nullopt, K::UnknownOperation, "R-16"},
                   {"-16", std::nullopt, K::BadAddress, "-16"},
                   {"R", std::nullopt, K::MissingAddress, ""},
                   {"R 0x", std::nullopt, K::BadAddress, "0x"},
                   {"R 12a", std::nullopt, K::BadAddress, "12a"},
                   {"R 18446744073709551616", std::nullopt, K::AddressTooLarge, "18446744073709551616"},
                   {"R 0x10000000000000000", std::nullopt, K::AddressTooLarge, "0x10000000000000000"},
                   {"R 16,", std::nullopt, K::MissingSize, ""},
                   {"R 16,0", std::nullopt, K::SizeZero, "0"},
                   {"R 16,4294967296", std::nullopt, K::SizeTooLarge, "4294967296"},
                   {"R 0xffffffffffffffff,2", std::nullopt, K::PastLastByte, "2"},
                   {"R 16 4 5", std::nullopt, K::ExtraText, "5"},
                   {std::string("R 16\0", 5), std::nullopt, K::Binary, ""},
                   {"R 1\xff", std::nullopt, K::NotText, ""},
                   {"# \xc3", std::nullopt, K::NotText, ""},
                   {std::string(4097, ' ') + "1", std::nullopt, K::LineTooLong, ""},
               });
}

TEST(TraceReader, DinLines) {
    checkLines(TraceFormat::Din, "0 1", {1, 4, R},
               {
                   {"0 7fff0010", TraceAccess{0x7fff0010, 4, R}},
                   {"1 1000 8", TraceAccess{0x1000, 8, W}},
                   {"2 400", TraceAccess{0x400, 4, R}},
                   {"0 0x10\r", TraceAccess{0x10, 4, R}},
                   {"0 ffffffffffffffff 1", TraceAccess{last, 1, R}},
                   {"3 0", std::nullopt},
                   {"4 anything at all", std::nullopt},
                   {"5 10", std::nullopt, K::UnknownOperation, "5"},
                   {"01 10", std::nullopt, K::UnknownOperation, "01"},
                   {"0", std::nullopt, K::MissingAddress, ""},
                   {"0 10g", std::nullopt, K::BadAddress, "10g"},
                   {"0 1ffffffffffffffff", std::nullopt, K::AddressTooLarge, "1ffffffffffffffff"},
                   {"1 10 x", std::nullopt, K::BadSize, "x"},
                   {"1 10 0x4", std::nullopt, K::BadSize, "0x4"},
                   {"0 10 0", std::nullopt, K::SizeZero, "0"},
                   {"0 fffffffffffffffe", std::nullopt, K::PastLastByte, ""},
                   {"0 10 4 4", std::nullopt, K::ExtraText, "4"},
               });
}

TEST(TraceReader, LackeyLines) {
    checkLines(TraceFormat::Lackey, " L 1,1", {1, 1, R},
               {
                   {"I  0400d7d4,8", TraceAccess{0x0400d7d4, 8, R}},
                   {" L 7ff000398,8", TraceAccess{0x7ff000398, 8, R}},
                   {" S 7ff000390,8", TraceAccess{0x7ff000390, 8, W}},
                   {" M 0601040,4", TraceAccess{0x601040, 4, M}},
                   {"==4242== Lackey, an example Valgrind tool", std::nullopt},
                   {"L 10,4", std::nullopt, K::UnknownOperation, "L"},
                   {" X 10,4", std::nullopt, K::UnknownOperation, "X"},
                   {" L10,4", std::nullopt, K::UnknownOperation, "L10"},
                   {" L 10", std::nullopt, K::MissingSize, ""},
                   {" L ,4", std::nullopt, K::MissingAddress, ""},
                   {" L zz,4", std::nullopt, K::BadAddress, "zz"},
                   {" L 10,x", std::nullopt, K::BadSize, "x"},
                   {" L 10,0", std::nullopt, K::SizeZero, "0"},
                   {" L 10,4 ,", std::nullopt, K::ExtraText, ","},
               });
}

TEST(TraceReader, AutomaticFormatFromTheFirstLines) {
    const struct {
        std::string text;
        TraceFormat format;
        TraceFaultKind fault;
    } cases[] = {
        {"==1== Lackey\nI  0400,4\n S 10,8\n", TraceFormat::Lackey, K::None},
        {"0 1000\n1 2000 8\n", TraceFormat::Din, K::None},
        {"R 0x10\nW 16,4\n", TraceFormat::Plain, K::None},
        {"100\n200\n", TraceFormat::Plain, K::None},
        {"0 10\n7 20\n", TraceFormat::Plain, K::None},
        {"# nothing but a comment\n", TraceFormat::Plain, K::NoAccesses},
        {"", TraceFormat::Plain, K::NoAccesses},
        {"0 a\n0 1g\n", TraceFormat::Din, K::BadAddress},  // din reads further than plain
        {"0 10\n1 20\n0 1g\n", TraceFormat::Din, K::BadAddress}, // as far: din before plain
        {"X 10\n", TraceFormat::Plain, K::UnknownOperation},      // no format reads a line
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const ReadTrace read = readText(c.text);
        EXPECT_EQ(read.format, c.format);
        EXPECT_EQ(read.fault.kind, c.fault);
    }
}

// Lines across many chunks of the reader and of its caller: every access once and in order, and a fault's
// line counted across them, after the accesses before it.
TEST(TraceReader, StreamsAcrossChunks) {
    std::string text;
    std::vector<TraceAccess> expected;
    for (std::uint64_t i = 0; i < 300000; ++i) {
        text += (i % 3 == 0 ? "W 0x" : "R 0x") + std::to_string(i * 64) + (i % 2 == 0 ? ",8\r\n" : ",8\n");
        expected.push_back({0, 8, i % 3 == 0 ? W : R});
        expected.back().address = std::stoull(std::to_string(i * 64), nullptr, 16);
        if (i % 1000 == 0) {
            text += "# a comment\n\n";
        }
    }
    for (const bool ahead : {false, true}) {
        SCOPED_TRACE(ahead ? "read ahead" : "in turn");
        const ReadTrace read = readText(text, {}, 999, ahead);
        EXPECT_EQ(read.fault.kind, K::None);
        EXPECT_EQ(read.accesses, expected);

        const ReadTrace faulty = readText(text + std::string(5000, '1') + "\nR 1\n", {}, 999, ahead);
        EXPECT_EQ(faulty.fault.kind, K::LineTooLong);
        EXPECT_EQ(faulty.fault.line, 300000u + 2 * 300 + 1);
        EXPECT_EQ(faulty.accesses.size(), expected.size());
    }

    const ReadTrace dropped = readText("2 10\n0 20\n3 0\n", {TraceFormat::Din, false});
    EXPECT_EQ(dropped.accesses, (std::vector<TraceAccess>{{0x20, 4, R}}));
    EXPECT_EQ(dropped.skipped, 1u);
}

#if !defined(__wasi__) && !defined(_WIN32)
TEST(TraceReader, ReadsAFileAndSaysWhenItCannot) {
    const std::string path = testing::TempDir() + "lab_input_test_trace.din";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("0 10\n1 20 2\nbad\n", file);
    std::fclose(file);
    file = std::fopen(path.c_str(), "rb");
    TraceReader reader(file, {});
    const ReadTrace read = readAll(reader);
    std::fclose(file);
    std::remove(path.c_str());
    EXPECT_EQ(read.accesses, (std::vector<TraceAccess>{{0x10, 4, R}, {0x20, 2, W}}));
    EXPECT_EQ(traceFaultMessage(LabLanguage::English, "t.din", read.fault),
              "t.din:3: \"bad\" is not a label: 0 read, 1 write, 2 instruction fetch, 3 and 4 escape records");

    std::FILE* folder = std::fopen(testing::TempDir().c_str(), "rb"); // opens, and then cannot be read
    ASSERT_NE(folder, nullptr);
    TraceReader unreadable(folder, {});
    EXPECT_EQ(traceFaultMessage(LabLanguage::Romanian, "dir", readAll(unreadable).fault), "dir: nu poate fi citit");
    std::fclose(folder);
}
#endif

TEST(ExampleTraces, RowsAndColumnsVisitTheSameArrayInTheirOrders) {
    const std::vector<TraceAccess> rows = exampleTrace(ExampleTrace::Rows);
    const std::vector<TraceAccess> columns = exampleTrace(ExampleTrace::Columns);
    ASSERT_EQ(rows.size(), 65536u);
    ASSERT_EQ(columns.size(), 65536u);
    EXPECT_EQ(rows[1], (TraceAccess{4, 4, R}));
    EXPECT_EQ(columns[1], (TraceAccess{1024, 4, R}));
    EXPECT_EQ(columns[256], (TraceAccess{4, 4, R}));
    EXPECT_EQ(rows.back(), columns.back());
    EXPECT_EQ(rows.back().address, 65535u * 4);
}

std::vector<std::string> faultLines(const std::vector<std::string_view>& specs) {
    const BuiltHierarchy built = buildHierarchy(specs, 100, 1);
    std::vector<std::string> lines;
    for (const LevelSpecFault& fault : built.faults) {
        lines.push_back(levelFaultMessage(LabLanguage::English, fault, built.config));
    }
    return lines;
}

TEST(LevelSpec, EveryFaultOfEveryLevelAtOnce) {
    const struct {
        std::vector<std::string_view> specs;
        std::vector<std::string> faults;
    } cases[] = {
        {{}, {}},
        {{"size=12K,ways=3,line=64"}, {}},
        {{"size=1K,ways=full,policy=opt", "size=4M,line=128,ways=16", "size=64M,line=4K,ways=1"}, {}},
        {{"size=32K,line=48"}, {"L1, line: a line of 48 bytes: a line must be a power of two"}},
        {{"size=1K,ways=32"}, {"L1, ways: 32 ways, but the level holds only 16 lines"}},
        {{"ways=3,policy=plru"},
         {"L1, policy: plru needs a power of two ways, not 3", "L1, size: 512 lines do not make whole sets of 3 ways"}},
        {{"size=48K,ways=1"}, {"L1, size: 768 sets (768 lines / 1 ways): the number of sets must be a power of two"}},
        {{"size=0"}, {"L1, size: 0 bytes is not a whole number of 64-byte lines, at least one"}},
        {{"ways=0"}, {"L1, ways: 0 ways: a set holds at least one line"}},
        {{"line=64", "line=32"}, {"L2, line: a line of 32 bytes, smaller than the 64 bytes of the level above"}},
        {{"", "", "", ""}, {"L4, --level: at most three levels, L1 to L3"}},
        {{"size=1024M,line=1"}, {"L1, size: 1073741824 lines, more than the 4194304 a level may hold"}},
        {{"colour=red,size=12X,ways=x,policy=best,write=around,allocate=maybe,hit=-1,size=1K,line",
          "size=99999999999999999999K,ways=3,policy=plru"},
         {"L1, colour: unknown key; the keys are size, line, ways, policy, write, allocate and hit",
          "L1, size: \"12X\" is not a size: a whole number of bytes, with K or M for KB or MB",
          "L1, ways: \"x\" is not a number of ways: a whole number, or full",
          "L1, policy: \"best\" is not a policy: fifo, lru, random, plru, lfu or opt",
          "L1, write: \"around\" is not a write rule: back or through", "L1, allocate: \"maybe\" is not yes or no",
          "L1, hit: \"-1\" is not a whole number of cycles", "L1, size: given twice", "L1, line: no value: key=value",
          "L2, size: \"99999999999999999999K\" is not a size: a whole number of bytes, with K or M for KB or MB",
          "L2, policy: plru needs a power of two ways, not 3"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.specs.empty() ? "" : std::string(c.specs[0]));
        EXPECT_EQ(faultLines(c.specs), c.faults);
    }
}

TEST(LevelSpec, EveryKeyReadsIntoTheLevel) {
    const ParsedLevel parsed = parseLevelSpec("size=12k,line=32,ways=full,policy=lfu,write=through,allocate=no,hit=7", 0);
    EXPECT_TRUE(parsed.faults.empty());
    EXPECT_EQ(parsed.level.capacity, 12u * 1024);
    EXPECT_EQ(parsed.level.line, 32u);
    EXPECT_TRUE(parsed.level.fullyAssociative);
    EXPECT_EQ(parsed.level.policy, LabPolicy::Lfu);
    EXPECT_EQ(parsed.level.write, WriteRule::Through);
    EXPECT_FALSE(parsed.level.allocate);
    EXPECT_EQ(parsed.level.hitCycles, 7u);
    EXPECT_EQ(buildHierarchy({}, 100, 1).config.levels.size(), 1u);
}

} // namespace
