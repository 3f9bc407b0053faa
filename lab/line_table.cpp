#include "lab/line_table.h"

#include <bit>

namespace {

std::size_t slotsFor(std::size_t expected) { return std::bit_ceil(expected < 8 ? std::size_t{16} : expected * 2); }

} // namespace

LineTable::LineTable(std::size_t expected) {
    const std::size_t slots = slotsFor(expected);
    keys_.assign(slots, emptyKey);
    values_.assign(slots, 0);
    mask_ = slots - 1;
    shift_ = 64 - static_cast<unsigned>(std::countr_zero(slots));
}

std::uint32_t* LineTable::find(std::uint64_t line) {
    if (line == emptyKey) {
        return hasLargest_ ? &largestValue_ : nullptr;
    }
    for (std::size_t i = home(line);; i = (i + 1) & mask_) {
        if (keys_[i] == line) {
            return &values_[i];
        }
        if (keys_[i] == emptyKey) {
            return nullptr;
        }
    }
}

std::uint32_t& LineTable::findOrInsert(std::uint64_t line, std::uint32_t value, bool& inserted) {
    if (line == emptyKey) {
        inserted = !hasLargest_;
        largestValue_ = hasLargest_ ? largestValue_ : value;
        hasLargest_ = true;
        return largestValue_;
    }
    std::size_t i = home(line);
    for (; keys_[i] != emptyKey; i = (i + 1) & mask_) {
        if (keys_[i] == line) {
            inserted = false;
            return values_[i];
        }
    }
    inserted = true;
    if ((size_ + 1) * 2 > keys_.size()) {
        grow();
        for (i = home(line); keys_[i] != emptyKey; i = (i + 1) & mask_) {
        }
    }
    keys_[i] = line;
    values_[i] = value;
    ++size_;
    return values_[i];
}

void LineTable::erase(std::uint64_t line) {
    if (line == emptyKey) {
        hasLargest_ = false;
        return;
    }
    std::size_t hole = home(line);
    for (; keys_[hole] != line; hole = (hole + 1) & mask_) {
        if (keys_[hole] == emptyKey) {
            return;
        }
    }
    // Every entry after the hole whose home does not lie between the hole and itself moves back into it.
    for (std::size_t i = (hole + 1) & mask_; keys_[i] != emptyKey; i = (i + 1) & mask_) {
        const std::size_t wanted = home(keys_[i]);
        if (((i - wanted) & mask_) >= ((i - hole) & mask_)) {
            keys_[hole] = keys_[i];
            values_[hole] = values_[i];
            hole = i;
        }
    }
    keys_[hole] = emptyKey;
    --size_;
}

void LineTable::grow() {
    std::vector<std::uint64_t> keys(keys_.size() * 2, emptyKey);
    std::vector<std::uint32_t> values(keys.size(), 0);
    keys.swap(keys_);
    values.swap(values_);
    mask_ = keys_.size() - 1;
    --shift_;
    for (std::size_t j = 0; j < keys.size(); ++j) {
        if (keys[j] != emptyKey) {
            std::size_t i = home(keys[j]);
            while (keys_[i] != emptyKey) {
                i = (i + 1) & mask_;
            }
            keys_[i] = keys[j];
            values_[i] = values[j];
        }
    }
}
