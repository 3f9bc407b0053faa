#include "lab/loops/plain_trace_text.h"

namespace {

char* writeHex(char* at, std::uint64_t value) {
    constexpr char digits[] = "0123456789abcdef";
    char reversed[16];
    int length = 0;
    do {
        reversed[length++] = digits[value & 15];
        value >>= 4;
    } while (value != 0);
    while (length != 0) {
        *at++ = reversed[--length];
    }
    return at;
}

char* writeDecimal(char* at, std::uint32_t value) {
    char reversed[10];
    int length = 0;
    do {
        reversed[length++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (length != 0) {
        *at++ = reversed[--length];
    }
    return at;
}

} // namespace

void appendPlainTrace(const TraceAccess* accesses, std::size_t count, std::string& text) {
    constexpr std::size_t longestLine = 2 + 2 + 16 + 1 + 10 + 1; // "M 0x" 16 digits, a blank, 10 digits, '\n'
    const std::size_t start = text.size();
    text.resize(start + count * longestLine);
    char* at = text.data() + start;
    for (std::size_t i = 0; i < count; ++i) {
        const TraceAccess& access = accesses[i];
        *at++ = access.op == AccessOp::Write ? 'W' : access.op == AccessOp::Modify ? 'M' : 'R';
        *at++ = ' ';
        *at++ = '0';
        *at++ = 'x';
        at = writeHex(at, access.address);
        *at++ = ' ';
        at = writeDecimal(at, access.size);
        *at++ = '\n';
    }
    text.resize(static_cast<std::size_t>(at - text.data()));
}
