#pragma once

#include "lab/line_table.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// A fully associative LRU cache of a fixed number of lines, fed the requests of one level: the measure of its
// capacity misses. An intrusive list in a flat array, most recent first, found through a table of the lines
// it holds, small enough to stay in the processor's caches.
class LruShadow {
  public:
    explicit LruShadow(std::uint32_t capacity);

    // One request, whether it hits; a miss fills the line only when allocates (a write under allocate=no
    // fills nothing).
    bool request(std::uint64_t line, bool allocates);

  private:
    static constexpr std::uint32_t none = ~std::uint32_t{0};
    struct Node {
        std::uint64_t line = 0;
        std::uint32_t newer = none;
        std::uint32_t older = none;
    };
    void unlink(std::uint32_t node);
    void pushFront(std::uint32_t node);
    void moveToFront(std::uint32_t node);
    std::uint32_t place(std::uint64_t line, std::size_t slot);
    bool requestLargest(std::uint64_t line, bool allocates);

    LineTable table_; // line -> node
    std::vector<Node> nodes_;
    std::uint32_t capacity_ = 0;
    std::uint32_t newest_ = none;
    std::uint32_t oldest_ = none;
};
