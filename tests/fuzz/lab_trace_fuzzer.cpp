// Fuzz target "lab trace": the input's first byte chooses the format (automatic, plain, din, lackey) and
// whether instruction fetches count, and how many accesses the caller takes at once; the rest is a trace,
// read by the laboratory's reader. It must not crash; every access it delivers has a size and ends at or
// before the last address; reading in other pieces delivers the same accesses and the same fault; a fault
// names a line after the last read and its message is one line.

#include "fuzz_support.h"

#include "lab/lab_messages.h"
#include "lab/trace_reader.h"

#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct ReadTrace {
    std::vector<TraceAccess> accesses;
    TraceFault fault;
    std::uint64_t lines = 0;
};

ReadTrace readAll(std::string_view text, TraceOptions options, std::size_t piece) {
    TraceReader reader(text, options);
    ReadTrace read;
    std::vector<TraceAccess> buffer(piece);
    for (std::size_t count; (count = reader.read(buffer.data(), buffer.size())) != 0;) {
        FUZZ_CHECK(count <= piece, std::to_string(count));
        read.accesses.insert(read.accesses.end(), buffer.begin(), buffer.begin() + static_cast<long>(count));
    }
    FUZZ_CHECK(reader.accesses() == read.accesses.size(), std::to_string(reader.accesses()));
    read.fault = reader.fault();
    return read;
}

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const TraceOptions options{static_cast<TraceFormat>(data[0] & 3), (data[0] & 4) == 0};
    const std::size_t piece = 1 + (data[0] >> 3);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const ReadTrace read = readAll(text, options, piece);
    for (const TraceAccess& access : read.accesses) {
        FUZZ_CHECK(access.size != 0, std::to_string(access.address));
        FUZZ_CHECK(access.size - 1 <= std::numeric_limits<std::uint64_t>::max() - access.address,
                   std::to_string(access.address));
    }
    const ReadTrace whole = readAll(text, options, 4096);
    FUZZ_CHECK(sameAccesses(read.accesses, whole.accesses), "the pieces changed the accesses");
    FUZZ_CHECK(read.fault.kind == whole.fault.kind && read.fault.line == whole.fault.line &&
                   read.fault.text == whole.fault.text,
               read.fault.text);

    const TraceFault& fault = read.fault;
    const bool wholeTrace = fault.kind == TraceFaultKind::NoAccesses || fault.kind == TraceFaultKind::Unreadable;
    FUZZ_CHECK(fault.kind == TraceFaultKind::None || wholeTrace == (fault.line == 0), std::to_string(fault.line));
    FUZZ_CHECK(fault.kind != TraceFaultKind::NoAccesses || read.accesses.empty(), "no accesses, yet some");
    FUZZ_CHECK(fault.line <= static_cast<std::uint64_t>(text.size()) + 1, std::to_string(fault.line));
    FUZZ_CHECK(fault.text.size() <= maxFaultTextBytes, fault.text);
    for (const LabLanguage language : {LabLanguage::Romanian, LabLanguage::English}) {
        const std::string message = traceFaultMessage(language, "trace", fault);
        FUZZ_CHECK(message.find('\n') == std::string::npos || fault.kind == TraceFaultKind::None, message);
    }
    return 0;
}
