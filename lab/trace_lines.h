#pragma once

#include "lab/trace_reader.h"

#include <cstdint>
#include <limits>

// One line of each trace format, parsed by hand over bytes that end in '\n' (the reader keeps a '\n' after
// its last line). A parser starts at the line's first byte; unless it fails it leaves p on the line's '\n'.
// Inline, so that the reader's loop over a chunk inlines its format's parser.
namespace trace_lines {

enum class LineOutcome : std::uint8_t {
    Access,
    Fetch,   // an instruction fetch, already a read
    Skipped, // din's escape records
    Blank,
    Comment, // text that is no access, to be checked as text
    Fault,
};

struct LineFault {
    TraceFaultKind kind = TraceFaultKind::None;
    const char* from = nullptr; // the piece of the line at fault
    const char* to = nullptr;
};

inline bool isBlank(char c) { return c == ' ' || c == '\t'; }

inline const char* skipBlanks(const char* p) {
    while (isBlank(*p)) {
        ++p;
    }
    return p;
}

// A token ends at a blank, a comma, a comment or the line's end.
inline bool endsToken(char c) {
    return c == ' ' || c == '\t' || c == ',' || c == '#' || c == '\r' || c == '\n';
}

inline const char* tokenEnd(const char* p) {
    while (!endsToken(*p)) {
        ++p;
    }
    return p;
}

// At the line's end, "\n" or "\r\n": p moves onto the '\n'.
inline bool atLineEnd(const char*& p) {
    if (*p == '\r' && p[1] == '\n') {
        ++p;
    }
    return *p == '\n';
}

// The line's '\n', which the reader guarantees.
inline const char* lineEnd(const char* p) {
    while (*p != '\n') {
        ++p;
    }
    return p;
}

struct HexDigits {
    unsigned char value[256];
    constexpr HexDigits() : value{} {
        for (unsigned char& digit : value) {
            digit = notHex;
        }
        for (int c = 0; c < 10; ++c) {
            value['0' + c] = static_cast<unsigned char>(c);
        }
        for (int c = 0; c < 6; ++c) {
            value['a' + c] = value['A' + c] = static_cast<unsigned char>(10 + c);
        }
    }
    static constexpr unsigned char notHex = 0xFF;
};
inline constexpr HexDigits hexDigits;

enum class NumberScan : std::uint8_t { Ok, Bad, TooLarge };

// Hexadecimal digits up to the token's end; at least one, and at most 64 bits' worth. The scans run on a
// local pointer, which the compiler keeps in a register.
inline NumberScan scanHex(const char*& p, std::uint64_t& value) {
    const char* q = p;
    while (*q == '0') {
        ++q;
    }
    const char* significant = q;
    std::uint64_t v = 0;
    for (unsigned digit; (digit = hexDigits.value[static_cast<unsigned char>(*q)]) != HexDigits::notHex; ++q) {
        v = v << 4 | digit;
    }
    const bool none = q == p;
    p = q;
    value = v;
    if (none || !endsToken(*q)) {
        return NumberScan::Bad;
    }
    return q - significant > 16 ? NumberScan::TooLarge : NumberScan::Ok;
}

inline NumberScan scanDecimal(const char*& p, std::uint64_t& value) {
    constexpr std::uint64_t max = std::numeric_limits<std::uint64_t>::max();
    const char* q = p;
    std::uint64_t v = 0;
    bool tooLarge = false;
    for (unsigned digit; (digit = static_cast<unsigned>(*q) - '0') < 10; ++q) {
        tooLarge = tooLarge || v > (max - digit) / 10;
        v = v * 10 + digit;
    }
    const bool none = q == p;
    p = q;
    value = v;
    if (none || !endsToken(*q)) {
        return NumberScan::Bad;
    }
    return tooLarge ? NumberScan::TooLarge : NumberScan::Ok;
}

// Decimal, or hexadecimal after 0x.
inline NumberScan scanNumber(const char*& p, std::uint64_t& value) {
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        p += 2;
        return scanHex(p, value);
    }
    return scanDecimal(p, value);
}

inline NumberScan scanHexWithOptionalPrefix(const char*& p, std::uint64_t& value) {
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        p += 2;
    }
    return scanHex(p, value);
}

inline LineOutcome fail(LineFault& fault, TraceFaultKind kind, const char* from) {
    fault = {kind, from, tokenEnd(from)};
    return LineOutcome::Fault;
}

// A number scanned with scan at p: its fault, if any, names the whole token.
template <NumberScan (*scan)(const char*&, std::uint64_t&)>
inline bool readNumber(const char*& p, std::uint64_t& value, TraceFaultKind bad, TraceFaultKind tooLarge,
                       LineFault& fault) {
    const char* start = p;
    const NumberScan scanned = scan(p, value);
    if (scanned == NumberScan::Ok) {
        return true;
    }
    fail(fault, scanned == NumberScan::Bad ? bad : tooLarge, start);
    return false;
}

// A size in [1, 2^32 - 1] whose access ends at or before the last address.
inline bool checkSize(std::uint64_t size, const char* token, TraceAccess& access, LineFault& fault) {
    if (size == 0 || size > std::numeric_limits<std::uint32_t>::max()) {
        fail(fault, size == 0 ? TraceFaultKind::SizeZero : TraceFaultKind::SizeTooLarge, token);
        return false;
    }
    if (size - 1 > std::numeric_limits<std::uint64_t>::max() - access.address) {
        fail(fault, TraceFaultKind::PastLastByte, token);
        return false;
    }
    access.size = static_cast<std::uint32_t>(size);
    return true;
}

// What follows the access: blanks, then the line's end or a comment.
inline LineOutcome finishLine(const char*& p, LineOutcome outcome, LineFault& fault) {
    p = skipBlanks(p);
    if (*p == '#') {
        p = lineEnd(p);
        return outcome;
    }
    if (!atLineEnd(p)) {
        const char* end = lineEnd(p);
        fault = {TraceFaultKind::ExtraText, p, end[-1] == '\r' ? end - 1 : end};
        return LineOutcome::Fault;
    }
    return outcome;
}

// Blank or comment lines, in every format; Fault when the line holds something else.
inline LineOutcome blankOrComment(const char*& p) {
    p = skipBlanks(p);
    if (atLineEnd(p)) {
        return LineOutcome::Blank;
    }
    if (*p == '#') {
        p = lineEnd(p);
        return LineOutcome::Comment;
    }
    return LineOutcome::Fault;
}

inline bool opensComment(const char* p) {
    p = skipBlanks(p);
    return *p == '#' || *p == '\n' || (*p == '\r' && p[1] == '\n');
}

// [R|r|L|W|w|S|M] address [[,]size]: the address decimal or 0x hexadecimal, the size likewise, 1 by default.
inline LineOutcome parsePlainLine(const char*& p, TraceAccess& access, LineFault& fault) {
    if (opensComment(p)) {
        return blankOrComment(p);
    }
    p = skipBlanks(p);
    access.op = AccessOp::Read;
    if (*p < '0' || *p > '9') {
        const char c = *p;
        if (c == 'W' || c == 'w' || c == 'S') {
            access.op = AccessOp::Write;
        } else if (c == 'M') {
            access.op = AccessOp::Modify;
        } else if (c != 'R' && c != 'r' && c != 'L') {
            return fail(fault, c >= 'A' ? TraceFaultKind::UnknownOperation : TraceFaultKind::BadAddress, p);
        }
        if (!isBlank(p[1]) && p[1] != '\n' && p[1] != '\r') {
            return fail(fault, TraceFaultKind::UnknownOperation, p);
        }
        p = skipBlanks(p + 1);
    }
    if (*p == '#' || atLineEnd(p)) {
        return fail(fault, TraceFaultKind::MissingAddress, p);
    }
    if (!readNumber<scanNumber>(p, access.address, TraceFaultKind::BadAddress, TraceFaultKind::AddressTooLarge,
                                fault)) {
        return LineOutcome::Fault;
    }
    p = skipBlanks(p);
    const bool comma = *p == ',';
    p = skipBlanks(p + (comma ? 1 : 0));
    std::uint64_t size = 1;
    const char* sizeToken = p;
    if (*p != '#' && *p != '\n' && *p != '\r') {
        if (!readNumber<scanNumber>(p, size, TraceFaultKind::BadSize, TraceFaultKind::SizeTooLarge, fault)) {
            return LineOutcome::Fault;
        }
    } else if (comma) {
        return fail(fault, TraceFaultKind::MissingSize, p);
    }
    if (!checkSize(size, sizeToken, access, fault)) {
        return LineOutcome::Fault;
    }
    return finishLine(p, LineOutcome::Access, fault);
}

// label address [size]: label 0 read, 1 write, 2 instruction fetch, 3 and 4 escape records; the address
// hexadecimal, the size decimal, 4 by default.
inline LineOutcome parseDinLine(const char*& p, TraceAccess& access, LineFault& fault) {
    if (opensComment(p)) {
        return blankOrComment(p);
    }
    p = skipBlanks(p);
    const char label = *p;
    if (label < '0' || label > '4' || !(isBlank(p[1]) || p[1] == '\n' || p[1] == '\r')) {
        return fail(fault, TraceFaultKind::UnknownOperation, p);
    }
    if (label >= '3') {
        p = lineEnd(p);
        return LineOutcome::Skipped;
    }
    access.op = label == '1' ? AccessOp::Write : AccessOp::Read;
    p = skipBlanks(p + 1);
    if (*p == '#' || atLineEnd(p)) {
        return fail(fault, TraceFaultKind::MissingAddress, p);
    }
    if (!readNumber<scanHexWithOptionalPrefix>(p, access.address, TraceFaultKind::BadAddress,
                                               TraceFaultKind::AddressTooLarge, fault)) {
        return LineOutcome::Fault;
    }
    p = skipBlanks(p);
    std::uint64_t size = 4;
    const char* sizeToken = p;
    if (*p != '#' && *p != '\n' && *p != '\r' &&
        !readNumber<scanDecimal>(p, size, TraceFaultKind::BadSize, TraceFaultKind::SizeTooLarge, fault)) {
        return LineOutcome::Fault;
    }
    if (!checkSize(size, sizeToken, access, fault)) {
        return LineOutcome::Fault;
    }
    return finishLine(p, label == '2' ? LineOutcome::Fetch : LineOutcome::Access, fault);
}

// "I  0400d7d4,8" (a fetch, at the line's start), " L 7ff000398,8", " S ...", " M ..." (after a blank);
// lines starting "==" are the tool's own messages.
inline LineOutcome parseLackeyLine(const char*& p, TraceAccess& access, LineFault& fault) {
    if (p[0] == '=' && p[1] == '=') {
        p = lineEnd(p);
        return LineOutcome::Comment;
    }
    if (opensComment(p)) {
        return blankOrComment(p);
    }
    const bool fetch = *p == 'I';
    const char* op = skipBlanks(p);
    if (!(fetch || (op != p && (*op == 'L' || *op == 'S' || *op == 'M'))) || !isBlank(op[1])) {
        return fail(fault, TraceFaultKind::UnknownOperation, op);
    }
    access.op = *op == 'S' ? AccessOp::Write : *op == 'M' ? AccessOp::Modify : AccessOp::Read;
    p = skipBlanks(op + 1);
    if (*p == '#' || *p == ',' || atLineEnd(p)) {
        return fail(fault, TraceFaultKind::MissingAddress, p);
    }
    if (!readNumber<scanHex>(p, access.address, TraceFaultKind::BadAddress, TraceFaultKind::AddressTooLarge,
                             fault)) {
        return LineOutcome::Fault;
    }
    if (*p != ',') {
        return fail(fault, TraceFaultKind::MissingSize, p);
    }
    const char* sizeToken = ++p;
    std::uint64_t size = 0;
    if (!readNumber<scanDecimal>(p, size, TraceFaultKind::BadSize, TraceFaultKind::SizeTooLarge, fault) ||
        !checkSize(size, sizeToken, access, fault)) {
        return LineOutcome::Fault;
    }
    return finishLine(p, fetch ? LineOutcome::Fetch : LineOutcome::Access, fault);
}

} // namespace trace_lines
