#pragma once

#include "lab/trace_access.h"

#include <algorithm>
#include <cstdint>

// The requests one trace access makes at L1: one per line its bytes touch, in address order, a modify's read
// then write of each line in turn. take(address, bytes, write) gets the first byte and the byte count of the
// access within the line.
template <class Take> void forEachLineRequest(const TraceAccess& access, unsigned lineShift, Take&& take) {
    const std::uint64_t first = access.address;
    const std::uint64_t size = access.size == 0 ? 1 : access.size;
    const std::uint64_t last = first + std::min(size - 1, ~first);
    const std::uint64_t lastLine = last >> lineShift;
    for (std::uint64_t line = first >> lineShift;; ++line) {
        const std::uint64_t start = std::max(first, line << lineShift);
        const std::uint64_t end = std::min(last, ((line + 1) << lineShift) - 1);
        const std::uint64_t bytes = end - start + 1;
        if (access.op != AccessOp::Write) {
            take(start, bytes, false);
        }
        if (access.op != AccessOp::Read) {
            take(start, bytes, true);
        }
        if (line == lastLine) {
            break;
        }
    }
}
