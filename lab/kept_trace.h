#pragma once

#include "lab/trace_access.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The accesses of a trace kept in memory for a policy that reads the whole trace first: twelve bytes each,
// the address, then the operation in the top two bits of a word whose others hold the size less one; a size
// too large for them is kept apart, in order.
class KeptTrace {
  public:
    // False, keeping nothing more, once the trace holds more accesses than fit.
    bool append(const TraceAccess* accesses, std::size_t count);
    std::size_t size() const { return addresses_.size(); }

    // Calls take(accesses, count) over the whole trace in order, a chunk at a time.
    template <class Take> void replay(Take&& take) const;

    static constexpr std::size_t capacity = sizeof(void*) < 8 ? std::size_t{1} << 24 : std::size_t{1} << 28;

  private:
    static constexpr std::uint32_t sizeBits = 30;
    static constexpr std::uint32_t sizeMask = (std::uint32_t{1} << sizeBits) - 1;
    TraceAccess access(std::size_t index, std::size_t& nextLarge) const;

    std::vector<std::uint64_t> addresses_;
    std::vector<std::uint32_t> packed_;
    std::vector<std::uint32_t> largeSizes_;
};

template <class Take> void KeptTrace::replay(Take&& take) const {
    constexpr std::size_t chunk = 4096;
    std::vector<TraceAccess> buffer(chunk);
    std::size_t nextLarge = 0;
    for (std::size_t from = 0; from < size(); from += chunk) {
        const std::size_t count = size() - from < chunk ? size() - from : chunk;
        for (std::size_t i = 0; i < count; ++i) {
            buffer[i] = access(from + i, nextLarge);
        }
        take(buffer.data(), count);
    }
}
