#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A map from line numbers to 32-bit values: open addressing with linear probing, grown at half full, erased by
// shifting the entries behind back into place. Every line number is a key, the largest one included.
class LineTable {
  public:
    explicit LineTable(std::size_t expected = 16);

    // The value of line, or nullptr. The pointer lasts until the next insertion or erasure.
    std::uint32_t* find(std::uint64_t line);
    // The value of line, inserted as value when absent (then inserted is true).
    std::uint32_t& findOrInsert(std::uint64_t line, std::uint32_t value, bool& inserted);
    void erase(std::uint64_t line);
    std::size_t size() const { return size_ + (hasLargest_ ? 1 : 0); }

  private:
    static constexpr std::uint64_t emptyKey = ~std::uint64_t{0}; // the largest line is kept apart
    std::size_t home(std::uint64_t line) const {
        return static_cast<std::size_t>((line * 0x9e3779b97f4a7c15ULL) >> shift_);
    }
    void grow();

    std::vector<std::uint64_t> keys_;
    std::vector<std::uint32_t> values_;
    std::size_t mask_ = 0;
    unsigned shift_ = 0;
    std::size_t size_ = 0;
    bool hasLargest_ = false;
    std::uint32_t largestValue_ = 0;
};
