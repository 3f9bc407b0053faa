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

void LruShadow::moveToFront(std::uint32_t node) {
    if (node != newest_) {
        unlink(node);
        pushFront(node);
    }
}

// A node for a line that is not held: a new one while there is room, else the oldest line's, which leaves
// the table after the new line went in at slot, so that the slot the probe found stays the line's place.
std::uint32_t LruShadow::place(std::uint64_t line, std::size_t slot) {
    std::uint32_t node = oldest_;
    const bool full = nodes_.size() == capacity_;
    const std::uint64_t evicted = full ? nodes_[node].line : 0;
    if (full) {
        unlink(node);
    } else {
        node = static_cast<std::uint32_t>(nodes_.size());
        nodes_.push_back({});
    }
    table_.insertAt(slot, line, node);
    if (full) {
        table_.erase(evicted);
    }
    nodes_[node].line = line;
    pushFront(node);
    return node;
}

bool LruShadow::request(std::uint64_t line, bool allocates) {
    if (!LineTable::isOrdinary(line)) {
        return requestLargest(line, allocates);
    }
    const std::size_t slot = table_.slotOf(line);
    if (table_.holdsAt(slot)) {
        moveToFront(table_.valueAt(slot));
        return true;
    }
    if (allocates && capacity_ > 0) {
        place(line, slot);
    }
    return false;
}

// The largest line number, which the table keeps apart from its slots.
bool LruShadow::requestLargest(std::uint64_t line, bool allocates) {
    if (const std::uint32_t* node = table_.find(line)) {
        moveToFront(*node);
        return true;
    }
    if (allocates && capacity_ > 0) {
        std::uint32_t node = oldest_;
        if (nodes_.size() < capacity_) {
            node = static_cast<std::uint32_t>(nodes_.size());
            nodes_.push_back({});
        } else {
            unlink(node);
            table_.erase(nodes_[node].line);
        }
        nodes_[node].line = line;
        pushFront(node);
        bool inserted = false;
        table_.findOrInsert(line, node, inserted);
    }
    return false;
}
