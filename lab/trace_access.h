#pragma once

#include <cstdint>

// One access of a trace, as the readers deliver it to the laboratory's model. A modify is a read then a write
// of the same bytes; an instruction fetch reaches the model only as a read (the reader drops it or turns it
// into one).
enum class AccessOp : std::uint8_t { Read, Write, Modify };

struct TraceAccess {
    std::uint64_t address = 0;
    std::uint32_t size = 1; // bytes from address on; the readers never deliver 0
    AccessOp op = AccessOp::Read;
};
