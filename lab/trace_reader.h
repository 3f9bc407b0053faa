#pragma once

#include "lab/trace_access.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// The trace readers: plain, din and lackey text, streamed in big chunks from a FILE* or a byte buffer, one
// chunk held at a time. Every line is parsed by hand; a line that cannot be read ends the trace with a fault
// naming its line.

enum class TraceFormat : std::uint8_t { Auto, Plain, Din, Lackey };

struct TraceOptions {
    TraceFormat format = TraceFormat::Auto; // Auto decides from the first lines
    bool instructionFetches = true;         // fetches read as reads; false drops them
};

inline constexpr std::size_t maxTraceLineBytes = 4096; // without the line end

enum class TraceFaultKind : std::uint8_t {
    None,
    Unreadable,  // the source reported a read error (line 0)
    NoAccesses,  // the whole trace held none (line 0)
    LineTooLong, // over maxTraceLineBytes
    Binary,      // a NUL or another control byte
    NotText,     // bytes that are not UTF-8
    UnknownOperation,
    MissingAddress,
    BadAddress,
    AddressTooLarge, // over 64 bits
    MissingSize,     // lackey: no ",size"
    BadSize,
    SizeZero,
    SizeTooLarge, // over 32 bits
    PastLastByte, // the access's last byte would pass 2^64 - 1
    ExtraText,
};

struct TraceFault {
    TraceFaultKind kind = TraceFaultKind::None;
    std::uint64_t line = 0;  // 1-based; 0 for the trace as a whole
    std::string text;        // the piece of the line at fault, at most maxFaultTextBytes
    TraceFormat format = TraceFormat::Plain; // the format the line was read in
};

inline constexpr std::size_t maxFaultTextBytes = 40;

class TraceReader {
  public:
    TraceReader(std::FILE* file, TraceOptions options);
    TraceReader(std::string_view bytes, TraceOptions options); // bytes must outlive the reader

    // Up to capacity next accesses into out; 0 at the end of the trace or at its first fault, when fault()
    // says which (kind None at a clean end). What came before a faulty line is delivered first.
    std::size_t read(TraceAccess* out, std::size_t capacity);

    TraceFormat format() const { return format_; } // Auto until the first read decides
    const TraceFault& fault() const { return fault_; }
    std::uint64_t accesses() const { return accesses_; }
    std::uint64_t skippedRecords() const { return skipped_; } // din's escape records
    std::uint64_t droppedFetches() const { return dropped_; }

  private:
    bool refill();
    void chooseFormat();
    void failLine(TraceFaultKind kind, const char* from, const char* to);
    template <TraceFormat format> std::size_t readLines(TraceAccess* out, std::size_t capacity);

    std::FILE* file_ = nullptr;
    std::string_view bytes_; // what is left of a byte buffer source
    TraceOptions options_;
    TraceFormat format_;
    std::vector<char> buffer_;
    const char* next_ = nullptr;     // the first unread byte
    const char* complete_ = nullptr; // past the last complete line's '\n'
    std::size_t held_ = 0;           // bytes held in buffer_
    bool exhausted_ = false;         // the source has nothing more
    bool ended_ = false;
    std::uint64_t line_ = 0;
    std::uint64_t accesses_ = 0;
    std::uint64_t skipped_ = 0;
    std::uint64_t dropped_ = 0;
    TraceFault fault_;
};
