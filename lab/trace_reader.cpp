#include "lab/trace_reader.h"

#include "lab/trace_lines.h"

#include <algorithm>
#include <cstring>

using namespace trace_lines;

namespace {

constexpr std::size_t chunkBytes = std::size_t{1} << 20;

// How many lines of accesses the automatic choice reads, at most, to decide.
constexpr int formatSampleLines = 64;

// A byte that no text holds: NUL and the other control characters but the tab.
bool isControl(unsigned char c) { return (c < 0x20 && c != '\t') || c == 0x7F; }

// The length of the UTF-8 sequence at p, within to; 0 when it is none.
std::size_t utf8Length(const unsigned char* p, const unsigned char* to) {
    const unsigned char c = *p;
    const std::size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || static_cast<std::size_t>(to - p) < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80) {
            return 0;
        }
    }
    const unsigned value = length == 2   ? (c & 0x1Fu) << 6 | (p[1] & 0x3Fu)
                           : length == 3 ? (c & 0x0Fu) << 12 | (p[1] & 0x3Fu) << 6 | (p[2] & 0x3Fu)
                           : length == 4 ? (c & 0x07u) << 18 | (p[1] & 0x3Fu) << 12 | (p[2] & 0x3Fu) << 6
                                             | (p[3] & 0x3Fu)
                                         : c;
    const unsigned least[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    return value < least[length] || surrogate || value > 0x10FFFF ? 0 : length;
}

// Why [from, to) is not a line of text, if it is not: None, Binary or NotText. A "\r" before the line's end
// belongs to the line end.
TraceFaultKind textFault(const char* from, const char* to) {
    if (to > from && to[-1] == '\r') {
        --to;
    }
    const auto* p = reinterpret_cast<const unsigned char*>(from);
    const auto* end = reinterpret_cast<const unsigned char*>(to);
    bool text = true;
    while (p < end) {
        if (isControl(*p)) {
            return TraceFaultKind::Binary;
        }
        const std::size_t length = utf8Length(p, end);
        text = text && length != 0;
        p += std::max<std::size_t>(length, 1);
    }
    return text ? TraceFaultKind::None : TraceFaultKind::NotText;
}

std::size_t lineLength(const char* from, const char* newline) {
    return static_cast<std::size_t>(newline - from) - (newline > from && newline[-1] == '\r' ? 1 : 0);
}

// The piece of a line a fault names, cut to at most maxFaultTextBytes on a character's first byte.
std::string faultText(const char* from, const char* to) {
    std::size_t length = std::min(static_cast<std::size_t>(to - from), maxFaultTextBytes);
    if (length < static_cast<std::size_t>(to - from)) {
        while (length > 0 && (static_cast<unsigned char>(from[length]) & 0xC0) == 0x80) {
            --length;
        }
    }
    return std::string(from, length);
}

template <TraceFormat format> LineOutcome parseLine(const char*& p, TraceAccess& access, LineFault& fault) {
    if constexpr (format == TraceFormat::Din) {
        return parseDinLine(p, access, fault);
    } else if constexpr (format == TraceFormat::Lackey) {
        return parseLackeyLine(p, access, fault);
    } else {
        return parsePlainLine(p, access, fault);
    }
}

LineOutcome parseLineIn(TraceFormat format, const char*& p, TraceAccess& access, LineFault& fault) {
    switch (format) {
    case TraceFormat::Din:
        return parseLine<TraceFormat::Din>(p, access, fault);
    case TraceFormat::Lackey:
        return parseLine<TraceFormat::Lackey>(p, access, fault);
    default:
        return parseLine<TraceFormat::Plain>(p, access, fault);
    }
}

struct FormatSample {
    int accesses = 0; // lines of accesses read before the first fault
    bool clean = true;
};

// The first lines of [from, to) read as format, without a fault or up to the first.
FormatSample sampleFormat(TraceFormat format, const char* from, const char* to) {
    FormatSample sample;
    for (const char* p = from; p < to && sample.accesses < formatSampleLines; ++p) {
        TraceAccess access;
        LineFault fault;
        const LineOutcome outcome = parseLineIn(format, p, access, fault);
        if (outcome == LineOutcome::Fault) {
            sample.clean = false;
            break;
        }
        sample.accesses += outcome == LineOutcome::Blank || outcome == LineOutcome::Comment ? 0 : 1;
    }
    return sample;
}

} // namespace

TraceReader::TraceReader(std::FILE* file, TraceOptions options)
    : file_(file), options_(options), format_(options.format), buffer_(chunkBytes + maxTraceLineBytes + 2) {}

TraceReader::TraceReader(std::string_view bytes, TraceOptions options)
    : bytes_(bytes), options_(options), format_(options.format),
      buffer_(std::min(chunkBytes, bytes.size()) + maxTraceLineBytes + 2) {}

// Keeps the unread part of a line, fills the rest of the buffer from the source and puts a '\n' after the
// last byte. False when the source has nothing more or the held line is already too long.
bool TraceReader::refill() {
    if (exhausted_) {
        return false;
    }
    char* base = buffer_.data();
    const std::size_t carried = next_ == nullptr ? 0 : held_ - static_cast<std::size_t>(next_ - base);
    if (carried > maxTraceLineBytes + 1) {
        failLine(TraceFaultKind::LineTooLong, nullptr, nullptr);
        return false;
    }
    std::memmove(base, next_ == nullptr ? base : next_, carried);
    next_ = base;
    held_ = carried;
    const std::size_t room = buffer_.size() - 1 - held_;
    std::size_t got = 0;
    if (file_ != nullptr) {
        got = std::fread(base + held_, 1, room, file_);
        exhausted_ = got < room;
        if (std::ferror(file_) != 0) {
            fault_ = {TraceFaultKind::Unreadable, 0, {}, format_};
            ended_ = true;
            return false;
        }
    } else {
        got = std::min(room, bytes_.size());
        std::memcpy(base + held_, bytes_.data(), got);
        bytes_.remove_prefix(got);
        exhausted_ = bytes_.empty();
    }
    held_ += got;
    base[held_] = '\n';
    if (exhausted_) {
        complete_ = base + held_ + (held_ > 0 && base[held_ - 1] != '\n' ? 1 : 0);
        return got > 0 || carried > 0;
    }
    const char* last = base + held_;
    while (last > base && last[-1] != '\n') {
        --last;
    }
    complete_ = last;
    if (last == base) {
        failLine(TraceFaultKind::LineTooLong, nullptr, nullptr);
        return false;
    }
    return true;
}

// The first format, in the order lackey, din, plain, under which the first lines read without a fault and
// hold an access; else plain or the first that reads them without a fault; else the first that reads
// furthest, plain when none reads a line.
void TraceReader::chooseFormat() {
    if (next_ == nullptr) {
        refill();
    }
    const char* from = next_ == nullptr ? complete_ : next_;
    constexpr TraceFormat order[] = {TraceFormat::Lackey, TraceFormat::Din, TraceFormat::Plain};
    FormatSample samples[3];
    for (std::size_t i = 0; i < 3; ++i) {
        samples[i] = sampleFormat(order[i], from, complete_);
    }
    const auto choose = [&](auto fits) {
        for (std::size_t i = 0; i < 3; ++i) {
            if (fits(samples[i])) {
                format_ = order[i];
                return true;
            }
        }
        return false;
    };
    if (choose([](const FormatSample& sample) { return sample.clean && sample.accesses > 0; })) {
        return;
    }
    format_ = TraceFormat::Plain;
    if (samples[2].clean || choose([](const FormatSample& sample) { return sample.clean; })) {
        return;
    }
    const int furthest = std::max({samples[0].accesses, samples[1].accesses, samples[2].accesses});
    if (furthest > 0) {
        choose([furthest](const FormatSample& sample) { return sample.accesses == furthest; });
    }
}

// Ends the trace at the line starting at next_: too long, not text, or what the parser found.
void TraceReader::failLine(TraceFaultKind kind, const char* from, const char* to) {
    const char* start = next_ == nullptr ? buffer_.data() : next_;
    const char* newline = start;
    const char* held = buffer_.data() + held_;
    while (newline < held && *newline != '\n') {
        ++newline;
    }
    const TraceFaultKind notText = textFault(start, std::min(newline, start + maxTraceLineBytes));
    if (notText != TraceFaultKind::None) {
        kind = notText;
    } else if (lineLength(start, newline) > maxTraceLineBytes) {
        kind = TraceFaultKind::LineTooLong;
    }
    const bool named = kind != TraceFaultKind::Binary && kind != TraceFaultKind::NotText &&
                       kind != TraceFaultKind::LineTooLong && from != nullptr;
    fault_ = {kind, line_ + 1, named ? faultText(from, to) : std::string(), format_};
    ended_ = true;
}

template <TraceFormat format> std::size_t TraceReader::readLines(TraceAccess* out, std::size_t capacity) {
    std::size_t count = 0;
    while (count < capacity) {
        if (next_ == nullptr || next_ >= complete_) {
            if (!refill()) {
                break;
            }
            continue;
        }
        const char* p = next_;
        LineFault fault;
        const LineOutcome outcome = parseLine<format>(p, out[count], fault);
        if (outcome == LineOutcome::Fault ||
            (outcome == LineOutcome::Comment && textFault(next_, p) != TraceFaultKind::None) ||
            lineLength(next_, p) > maxTraceLineBytes) {
            failLine(fault.kind, fault.from, fault.to);
            break;
        }
        ++line_;
        next_ = p + 1;
        switch (outcome) {
        case LineOutcome::Access:
            ++count;
            break;
        case LineOutcome::Fetch:
            count += options_.instructionFetches ? 1 : 0;
            dropped_ += options_.instructionFetches ? 0 : 1;
            break;
        case LineOutcome::Skipped:
            ++skipped_;
            break;
        default:
            break;
        }
    }
    accesses_ += count;
    return count;
}

std::size_t TraceReader::read(TraceAccess* out, std::size_t capacity) {
    if (ended_ || capacity == 0) {
        return 0;
    }
    if (format_ == TraceFormat::Auto) {
        chooseFormat();
        if (ended_) {
            return 0;
        }
    }
    std::size_t count = 0;
    switch (format_) {
    case TraceFormat::Din:
        count = readLines<TraceFormat::Din>(out, capacity);
        break;
    case TraceFormat::Lackey:
        count = readLines<TraceFormat::Lackey>(out, capacity);
        break;
    default:
        count = readLines<TraceFormat::Plain>(out, capacity);
        break;
    }
    if (count == 0 && !ended_) {
        ended_ = true;
        if (accesses_ == 0) {
            fault_ = {TraceFaultKind::NoAccesses, 0, {}, format_};
        }
    }
    return count;
}
