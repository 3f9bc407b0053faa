#include "lab/lru_shadow.h"

LruShadow::LruShadow(std::uint32_t capacity) : table_(std::size_t{capacity} * 2), capacity_(capacity) {
    nodes_.reserve(capacity);
}

void LruShadow::unlink(std::uint32_t node) {
    Node& n = nodes_[node];
    (n.newer == none ? newest_ : nodes_[n.newer].older) = n.older;
    (n.older == none ? oldest_ : nodes_[n.older].newer) = n.newer;
}

void LruShadow::pushFront(std::uint32_t node) {
    Node& n = nodes_[node];
    n.newer = none;
    n.older = newest_;
    (newest_ == none ? oldest_ : nodes_[newest_].newer) = node;
    newest_ = node;
}

// A node for a line that is not held: a new one while there is room, else the oldest line's.
std::uint32_t LruShadow::place(std::uint64_t line) {
    std::uint32_t node = oldest_;
    if (nodes_.size() < capacity_) {
        node = static_cast<std::uint32_t>(nodes_.size());
        nodes_.push_back({});
    } else {
        const std::uint64_t evicted = nodes_[node].line;
        unlink(node);
        table_.erase(evicted);
    }
    nodes_[node].line = line;
    pushFront(node);
    return node;
}

bool LruShadow::request(std::uint64_t line, bool allocates) {
    if (std::uint32_t* node = table_.find(line)) {
        if (*node != newest_) {
            unlink(*node);
            pushFront(*node);
        }
        return true;
    }
    if (allocates && capacity_ > 0) {
        const std::uint32_t placed = place(line);
        bool inserted = false;
        table_.findOrInsert(line, placed, inserted);
    }
    return false;
}
