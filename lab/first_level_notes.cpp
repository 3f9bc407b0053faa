#include "lab/first_level_notes.h"

#include "lab/line_requests.h"

#include <bit>

FirstLevelNotes::FirstLevelNotes(const LevelConfig& level)
    : shadow_(static_cast<std::uint32_t>(levelLines(level))),
      lineShift_(static_cast<unsigned>(std::countr_zero(level.line))), lineBytes_(level.line),
      allocate_(level.allocate) {}

// A request of the shadow's newest line hits and changes nothing, as most of a walk through memory does; a
// shadow's miss may be the line's first request; a line the shadow holds was asked for before.
std::uint8_t FirstLevelNotes::noteOf(std::uint64_t line, bool write) {
    if (line == lastLine_ && lastHeld_) {
        return LabChunkNotes::shadowHit;
    }
    const bool allocates = !write | allocate_; // in bits: reads and writes come in no foreseeable order
    const bool hit = shadow_.request(line, allocates);
    lastLine_ = line;
    lastHeld_ = hit || allocates; // a checked level has a line at least
    if (hit) {
        return LabChunkNotes::shadowHit;
    }
    return seen_.firstRequest(line) ? LabChunkNotes::firstRequest : std::uint8_t{0};
}

// One note per access written in place while the accesses stay within a line each, as nearly all do; an
// access over several lines, or a modify, makes room for its further notes.
void FirstLevelNotes::note(const TraceAccess* accesses, std::size_t count, LabChunkNotes& notes) {
    std::vector<std::uint8_t>& out = notes.requests;
    out.resize(count);
    std::size_t at = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const TraceAccess& access = accesses[i];
        if (access.op != AccessOp::Modify && access.size <= lineBytes_ - (access.address & (lineBytes_ - 1))) {
            out[at++] = noteOf(access.address >> lineShift_, access.op == AccessOp::Write);
            continue;
        }
        forEachLineRequest(access, lineShift_, [&](std::uint64_t address, std::uint64_t, bool write) {
            while (out.size() < at + (count - i)) {
                out.resize(out.size() * 2); // room for this note and one for each access after it
            }
            out[at++] = noteOf(address >> lineShift_, write);
        });
    }
    out.resize(at);
}
