#pragma once

#include "lab/line_table.h"

#include <cstdint>
#include <vector>

// A fully associative LRU cache of a fixed number of lines, fed the requests of one level: the measure of its
// capacity misses. An intrusive list in a flat array, most recent first, found through a line table; the
// table may also remember every line ever requested, which tells the compulsory misses at no extra cost.
class LruShadow {
  public:
    LruShadow(std::uint32_t capacity, bool remembersLines);

    struct Outcome {
        bool first = false; // the first request of the line (only when remembering lines)
        bool hit = false;
    };

    // One request; a miss fills the line only when allocates (a write under allocate=no fills nothing).
    Outcome request(std::uint64_t line, bool allocates);

  private:
    static constexpr std::uint32_t none = ~std::uint32_t{0};
    struct Node {
        std::uint64_t line = 0;
        std::uint32_t newer = none;
        std::uint32_t older = none;
    };
    void unlink(std::uint32_t node);
    void pushFront(std::uint32_t node);
    std::uint32_t place(std::uint64_t line);

    LineTable table_; // line -> node, or none for a line remembered but no longer held
    std::vector<Node> nodes_;
    std::uint32_t capacity_ = 0;
    std::uint32_t newest_ = none;
    std::uint32_t oldest_ = none;
    bool remembers_ = false;
};
