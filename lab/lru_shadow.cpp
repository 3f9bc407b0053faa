#include "lab/lru_shadow.h"

LruShadow::LruShadow(std::uint32_t capacity)
    : table_(std::size_t{capacity} * 2), nodes_(std::size_t{capacity} + 1), capacity_(capacity) {}

// A node for a line that is not held: a fresh one while there is room, else the oldest line's, taken out of
// the list (its line still in the table, for the caller to erase once the new line is in).
std::uint32_t LruShadow::takeNode(bool& evicted, std::uint64_t& evictedLine) {
    evicted = used_ == capacity_;
    if (!evicted) {
        return ++used_;
    }
    const std::uint32_t oldest = nodes_[ends].newer;
    evictedLine = nodes_[oldest].line;
    unlink(oldest);
    return oldest;
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
        bool evicted = false;
        std::uint64_t evictedLine = 0;
        const std::uint32_t node = takeNode(evicted, evictedLine);
        table_.insertAt(slot, line, node); // before the erasure, which may move what follows the slot
        if (evicted) {
            table_.erase(evictedLine);
        }
        nodes_[node].line = line;
        pushFront(node);
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
        bool evicted = false;
        std::uint64_t evictedLine = 0;
        const std::uint32_t node = takeNode(evicted, evictedLine);
        if (evicted) {
            table_.erase(evictedLine);
        }
        bool inserted = false;
        table_.findOrInsert(line, node, inserted);
        nodes_[node].line = line;
        pushFront(node);
    }
    return false;
}
