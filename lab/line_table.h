#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

// A map from line numbers to values: open addressing with linear probing, grown at half full, erased by
// shifting the entries behind back into place. Every line number is a key, the largest one included.
template <class Value> class LineMap {
  public:
    explicit LineMap(std::size_t expected = 16) {
        const std::size_t slots = std::bit_ceil(expected < 8 ? std::size_t{16} : expected * 2);
        keys_.assign(slots, emptyKey);
        values_.assign(slots, Value{});
        mask_ = slots - 1;
        shift_ = 64 - static_cast<unsigned>(std::countr_zero(slots));
    }

    // The value of line, or nullptr. The pointer lasts until the next insertion or erasure.
    Value* find(std::uint64_t line) {
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

    // The value of line, inserted as value when absent (then inserted is true).
    Value& findOrInsert(std::uint64_t line, Value value, bool& inserted);

    // One probe for a caller that inserts only when the line is absent: the line's slot, or the empty slot
    // where it would go. A line other than the largest; the slot lasts until the next insertion or erasure.
    std::size_t slotOf(std::uint64_t line) const {
        std::size_t i = home(line);
        while (keys_[i] != line && keys_[i] != emptyKey) {
            i = (i + 1) & mask_;
        }
        return i;
    }
    bool holdsAt(std::size_t slot) const { return keys_[slot] != emptyKey; }
    Value& valueAt(std::size_t slot) { return values_[slot]; }
    // Into the empty slot slotOf gave, while the map is at most half full after it (else it grows first).
    void insertAt(std::size_t slot, std::uint64_t line, Value value) {
        if ((size_ + 1) * 2 > keys_.size()) {
            bool inserted = false;
            findOrInsert(line, value, inserted);
            return;
        }
        keys_[slot] = line;
        values_[slot] = value;
        ++size_;
    }
    static constexpr bool isOrdinary(std::uint64_t line) { return line != emptyKey; }
    void erase(std::uint64_t line);
    std::size_t size() const { return size_ + (hasLargest_ ? 1 : 0); }

  private:
    static constexpr std::uint64_t emptyKey = ~std::uint64_t{0}; // the largest line is kept apart
    std::size_t home(std::uint64_t line) const {
        return static_cast<std::size_t>((line * 0x9e3779b97f4a7c15ULL) >> shift_);
    }
    std::size_t freeSlotFor(std::uint64_t line) const {
        std::size_t i = home(line);
        while (keys_[i] != emptyKey) {
            i = (i + 1) & mask_;
        }
        return i;
    }
    void grow();

    std::vector<std::uint64_t> keys_;
    std::vector<Value> values_;
    std::size_t mask_ = 0;
    unsigned shift_ = 0;
    std::size_t size_ = 0;
    bool hasLargest_ = false;
    Value largestValue_{};
};

using LineTable = LineMap<std::uint32_t>;

template <class Value> Value& LineMap<Value>::findOrInsert(std::uint64_t line, Value value, bool& inserted) {
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
        i = freeSlotFor(line);
    }
    keys_[i] = line;
    values_[i] = value;
    ++size_;
    return values_[i];
}

template <class Value> void LineMap<Value>::erase(std::uint64_t line) {
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

template <class Value> void LineMap<Value>::grow() {
    std::vector<std::uint64_t> keys(keys_.size() * 2, emptyKey);
    std::vector<Value> values(keys.size(), Value{});
    keys.swap(keys_);
    values.swap(values_);
    mask_ = keys_.size() - 1;
    --shift_;
    for (std::size_t j = 0; j < keys.size(); ++j) {
        if (keys[j] != emptyKey) {
            const std::size_t i = freeSlotFor(keys[j]);
            keys_[i] = keys[j];
            values_[i] = values[j];
        }
    }
}
