// Fuzz target "lab loops": the input is a loop description, read, checked with a small cap on its length and
// generated. It must not crash; a refused description names a place on a line the text has and its message
// is one line; an accepted one generates exactly the accesses the check counted, never failing, the same in
// chunks of any size and with every address computed from its indices instead of its stride.

#include "fuzz_support.h"

#include "lab/loops/loop_check.h"
#include "lab/loops/loop_messages.h"
#include "lab/loops/loop_parser.h"
#include "lab/loops/loop_trace.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

// A trace long enough for every loop the corpus holds, short enough for the fuzzer's pace.
constexpr std::uint64_t maxAccesses = 20000;

std::vector<TraceAccess> generate(const LoopProgram& program, std::size_t chunk) {
    LoopTrace trace(program);
    std::vector<TraceAccess> accesses;
    std::vector<TraceAccess> buffer(chunk);
    for (std::size_t count; (count = trace.read(buffer.data(), chunk)) != 0;) {
        FUZZ_CHECK(count <= chunk, std::to_string(count));
        accesses.insert(accesses.end(), buffer.begin(), buffer.begin() + static_cast<long>(count));
    }
    FUZZ_CHECK(!trace.failed(), "the trace of a checked program failed");
    return accesses;
}

bool sameAccesses(const std::vector<TraceAccess>& a, const std::vector<TraceAccess>& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](const auto& x, const auto& y) {
               return x.address == y.address && x.size == y.size && x.op == y.op;
           });
}

void checkRefusal(std::string_view text, const LoopFault& fault) {
    const auto lines = static_cast<std::uint64_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    FUZZ_CHECK(fault.line <= lines, std::to_string(fault.line));
    FUZZ_CHECK((fault.line == 0) == (fault.column == 0), std::to_string(fault.column));
    for (const LabLanguage language : {LabLanguage::Romanian, LabLanguage::English}) {
        const std::string message = loopFaultMessage(language, "fuzz.loops", fault);
        FUZZ_CHECK(message.find('\n') == std::string::npos && message.size() > 12, message);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ParsedLoops parsed = parseLoopProgram(text);
    const LoopFault fault =
        parsed.fault.kind == LoopFaultKind::None ? checkLoopProgram(parsed.program, maxAccesses) : parsed.fault;
    if (fault.kind != LoopFaultKind::None) {
        FUZZ_CHECK(!parsed.program.checked || parsed.fault.kind != LoopFaultKind::None, "checked with a fault");
        checkRefusal(text, fault);
        return 0;
    }
    const std::vector<TraceAccess> whole = generate(parsed.program, 4096);
    FUZZ_CHECK(whole.size() == parsed.program.accesses, std::to_string(whole.size()));
    FUZZ_CHECK(sameAccesses(generate(parsed.program, 1 + size % 7), whole), "another chunk size");
    for (LoopStatement& statement : parsed.program.statements) {
        statement.straight = false;
    }
    FUZZ_CHECK(sameAccesses(generate(parsed.program, 4096), whole), "strides against computed addresses");
    return 0;
}
