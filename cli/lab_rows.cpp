#include "cli/lab_rows.h"

#include "cli/lab_summary.h"
#include "lab/lab_messages.h"

namespace {

constexpr std::size_t flushBytes = std::size_t{1} << 20;

constexpr std::string_view stepHeader = "step,level,op,address,set,tag,outcome,kind,victim,writeback\n";

void appendDecimal(std::string& out, std::uint64_t value) {
    char digits[20];
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (count > 0) {
        out += digits[--count];
    }
}

void appendHex(std::string& out, std::uint64_t value) {
    out += "0x";
    int shift = 60;
    while (shift > 0 && (value >> shift) == 0) {
        shift -= 4;
    }
    for (; shift >= 0; shift -= 4) {
        out += "0123456789abcdef"[(value >> shift) & 0xF];
    }
}

std::string_view kindName(LabMissKind kind) {
    switch (kind) {
    case LabMissKind::Compulsory:
        return "compulsory";
    case LabMissKind::Capacity:
        return "capacity";
    case LabMissKind::Conflict:
        return "conflict";
    case LabMissKind::None:
        break;
    }
    return {};
}

} // namespace

StepWriter::StepWriter(std::FILE* out) : out_(out), buffer_(stepHeader) { buffer_.reserve(flushBytes + 256); }

LabStepSink StepWriter::sink() { return {this, &StepWriter::take}; }

void StepWriter::flush() {
    std::fwrite(buffer_.data(), 1, buffer_.size(), out_);
    buffer_.clear();
}

void StepWriter::take(void* context, const LabStep& step) { static_cast<StepWriter*>(context)->append(step); }

void StepWriter::append(const LabStep& step) {
    std::string& out = buffer_;
    appendDecimal(out, step.step);
    out += ",L";
    appendDecimal(out, static_cast<std::uint64_t>(step.level) + 1);
    out += step.write ? ",W," : ",R,";
    appendHex(out, step.lineAddress);
    out += ',';
    appendDecimal(out, step.set);
    out += ',';
    appendHex(out, step.tag);
    out += step.hit ? ",hit," : ",miss,";
    out += kindName(step.kind);
    out += ',';
    if (step.evicted) {
        appendHex(out, step.victimAddress);
    }
    out += step.evicted && step.victimDirty ? ",1\n" : ",0\n";
    if (buffer_.size() >= flushBytes) {
        flush();
    }
}

std::string labSweepCsv(const std::vector<SweepRow>& rows) {
    std::string csv = "size,ways,accesses,misses,miss_rate,compulsory,capacity,conflict\n";
    for (const SweepRow& row : rows) {
        csv += std::to_string(row.capacity) + "," + (row.ways == 0 ? std::string("full") : std::to_string(row.ways)) +
               "," + std::to_string(row.accesses) + "," + std::to_string(row.misses) + "," +
               decimalText(missRate(row.misses, row.accesses), 6) + "," + std::to_string(row.compulsory) + "," +
               std::to_string(row.capacityMisses) + "," + std::to_string(row.conflict) + "\n";
    }
    return csv;
}
