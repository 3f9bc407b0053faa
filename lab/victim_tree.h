#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

// For sets of many ways: per set a tournament over its ways, so that a policy ranking its lines finds its
// victim at the root and re-ranks one way in log(ways) steps. A node holds the way that wins below it.
class VictimTree {
  public:
    VictimTree() = default;
    VictimTree(std::uint64_t sets, std::uint32_t ways)
        : leaves_(std::bit_ceil(ways)), nodes_(static_cast<std::size_t>(sets * 2 * leaves_), absent) {}

    std::uint32_t winner(std::uint64_t set) const { return nodes_[base(set) + 1]; }

    // Re-ranks way after its rank changed; better(a, b) is true when way a is the better victim.
    template <class Better> void update(std::uint64_t set, std::uint32_t way, Better better) {
        std::uint32_t* tree = nodes_.data() + base(set);
        std::uint32_t node = leaves_ + way;
        tree[node] = way;
        for (node >>= 1; node != 0; node >>= 1) {
            const std::uint32_t left = tree[2 * node];
            const std::uint32_t right = tree[2 * node + 1];
            tree[node] = right == absent || (left != absent && !better(right, left)) ? left : right;
        }
    }

  private:
    static constexpr std::uint32_t absent = ~std::uint32_t{0};
    std::size_t base(std::uint64_t set) const { return static_cast<std::size_t>(set * 2 * leaves_); }

    std::uint32_t leaves_ = 1;
    std::vector<std::uint32_t> nodes_;
};
