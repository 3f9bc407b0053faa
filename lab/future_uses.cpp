#include "lab/future_uses.h"

#include "lab/cache_level.h"
#include "lab/line_table.h"

std::vector<std::uint32_t> nextRequestsOf(std::vector<std::uint64_t>&& lines) {
    std::vector<std::uint32_t> next(lines.size(), neverAgain);
    LineTable latest; // line -> the earliest request of it seen so far, walking backwards
    for (std::size_t i = lines.size(); i-- > 0;) {
        bool inserted = false;
        std::uint32_t& seen = latest.findOrInsert(lines[i], neverAgain, inserted);
        next[i] = seen;
        seen = static_cast<std::uint32_t>(i);
    }
    std::vector<std::uint64_t>().swap(lines);
    return next;
}
