#pragma once

#include "lab/line_table.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// A fully associative LRU cache of a fixed number of lines, fed the requests of one level: the measure of its
// capacity misses. An intrusive circular list in a flat array around a node of its own (node 0), most recent
// first, so that moving a line to the front takes no test of the list's ends; found through a table of the
// lines it holds, small enough to stay in the processor's caches.
class LruShadow {
  public:
    explicit LruShadow(std::uint32_t capacity);

    // One request, whether it hits; a miss fills the line only when allocates (a write under allocate=no
    // fills nothing).
    bool request(std::uint64_t line, bool allocates);

  private:
    static constexpr std::uint32_t ends = 0; // the list's own node: its newer is the oldest line, its older the newest
    struct Node {
        std::uint64_t line = 0;
        std::uint32_t newer = ends;
        std::uint32_t older = ends;
    };
    void unlink(std::uint32_t node) {
        Node& n = nodes_[node];
        nodes_[n.newer].older = n.older;
        nodes_[n.older].newer = n.newer;
    }
    void pushFront(std::uint32_t node) {
        Node& n = nodes_[node];
        n.newer = ends;
        n.older = nodes_[ends].older;
        nodes_[n.older].newer = node;
        nodes_[ends].older = node;
    }
    void moveToFront(std::uint32_t node) {
        if (node != nodes_[ends].older) {
            unlink(node);
            pushFront(node);
        }
    }
    std::uint32_t takeNode(bool& evicted, std::uint64_t& evictedLine);
    bool requestLargest(std::uint64_t line, bool allocates);

    LineTable table_; // line -> node
    std::vector<Node> nodes_;
    std::uint32_t capacity_ = 0;
    std::uint32_t used_ = 0; // nodes holding a line
};
