#include "lab/lab_run.h"

#include "lab/line_requests.h"
#include "lab/lru_shadow.h"
#include "lab/seen_lines.h"
#include "lab/sweep_sets.h"

#include <algorithm>
#include <bit>
#include <cstddef>

namespace {

constexpr std::uint64_t smallestCapacity = 1024;
constexpr std::uint64_t largestCapacity = std::uint64_t{4} << 20;
constexpr std::uint64_t sweptWays[] = {1, 2, 4, 8, 16};
constexpr std::size_t fullyAssociative = ~std::size_t{0};

struct RowPlan {
    std::uint64_t capacity = 0;
    std::uint64_t ways = 0;        // 0: fully associative
    std::size_t capacityIndex = 0; // the capacity's shadow
    std::size_t setsIndex = fullyAssociative;
    std::uint32_t wayLevel = 0; // log2(ways)
};

// Counts of the requests that were not a line's first, by the level from which the caches of their number of
// sets hit and by the first capacity whose fully associative cache hits (capacities.size(): none).
struct SetsCounts {
    std::uint64_t sets = 0;
    std::uint32_t depth = 1;
    std::vector<std::uint64_t> byLevels;
};

} // namespace

struct LabSweepState {
    LevelConfig base;
    unsigned lineShift = 0;
    std::vector<RowPlan> rows;
    std::vector<std::uint64_t> capacities;
    std::vector<LruShadow> shadows; // one per capacity, fully associative
    std::vector<SetsCounts> counts;
    std::vector<SweepSets> sets; // beside counts
    std::vector<std::uint64_t> fullCounts;
    SeenLines seen;
    std::uint64_t requests = 0;
    std::uint64_t firstRequests = 0;
};

namespace {

std::size_t setsIndexOf(LabSweepState& sweep, std::uint64_t sets, std::uint64_t ways) {
    for (std::size_t i = 0; i < sweep.counts.size(); ++i) {
        if (sweep.counts[i].sets == sets) {
            sweep.counts[i].depth = std::max(sweep.counts[i].depth, static_cast<std::uint32_t>(ways));
            return i;
        }
    }
    sweep.counts.push_back({sets, static_cast<std::uint32_t>(ways), {}});
    return sweep.counts.size() - 1;
}

void planRows(LabSweepState& sweep) {
    const std::uint64_t line = sweep.base.line;
    for (std::uint64_t capacity = smallestCapacity; capacity <= largestCapacity; capacity *= 2) {
        const std::uint64_t lines = capacity / line;
        if (lines == 0) {
            continue;
        }
        const std::size_t capacityIndex = sweep.capacities.size();
        sweep.capacities.push_back(lines);
        for (std::uint64_t ways : sweptWays) {
            if (ways <= lines) {
                const std::size_t setsIndex = setsIndexOf(sweep, lines / ways, ways);
                sweep.rows.push_back({capacity, ways, capacityIndex, setsIndex,
                                      static_cast<std::uint32_t>(std::countr_zero(ways))});
            }
        }
        sweep.rows.push_back({capacity, 0, capacityIndex, fullyAssociative, 0});
    }
}

void buildCaches(LabSweepState& sweep) {
    const std::size_t outcomes = sweep.capacities.size() + 1;
    for (std::uint64_t lines : sweep.capacities) {
        sweep.shadows.emplace_back(static_cast<std::uint32_t>(lines));
    }
    for (SetsCounts& counts : sweep.counts) {
        sweep.sets.emplace_back(counts.sets, counts.depth, sweep.base.allocate);
        counts.byLevels.assign((sweep.sets.back().levels() + 1) * outcomes, 0);
    }
    sweep.fullCounts.assign(outcomes, 0);
}

void sweepRequest(LabSweepState& sweep, std::uint64_t line, bool allocates) {
    ++sweep.requests;
    std::size_t firstHit = sweep.capacities.size();
    for (std::size_t k = sweep.shadows.size(); k-- > 0;) {
        firstHit = sweep.shadows[k].request(line, allocates) ? k : firstHit;
    }
    const bool first = firstHit == sweep.capacities.size() && sweep.seen.firstRequest(line);
    const std::size_t outcomes = sweep.capacities.size() + 1;
    for (std::size_t i = 0; i < sweep.sets.size(); ++i) {
        const std::uint32_t level = sweep.sets[i].request(line, allocates);
        sweep.counts[i].byLevels[level * outcomes + firstHit] += first ? 0 : 1;
    }
    sweep.firstRequests += first ? 1 : 0;
    sweep.fullCounts[firstHit] += first ? 0 : 1;
}

SweepRow rowOf(const LabSweepState& sweep, const RowPlan& plan) {
    SweepRow row;
    row.capacity = plan.capacity;
    row.ways = plan.ways;
    row.accesses = sweep.requests;
    row.compulsory = sweep.firstRequests;
    const std::size_t outcomes = sweep.capacities.size() + 1;
    std::uint64_t conflict = 0;
    std::uint64_t capacity = 0;
    for (std::size_t firstHit = 0; firstHit < outcomes; ++firstHit) {
        const bool fullHits = firstHit <= plan.capacityIndex;
        if (plan.setsIndex == fullyAssociative) {
            capacity += fullHits ? 0 : sweep.fullCounts[firstHit];
            continue;
        }
        const SetsCounts& counts = sweep.counts[plan.setsIndex];
        const std::size_t levels = counts.byLevels.size() / outcomes;
        for (std::size_t level = plan.wayLevel + 1; level < levels; ++level) {
            (fullHits ? conflict : capacity) += counts.byLevels[level * outcomes + firstHit];
        }
    }
    row.capacityMisses = capacity;
    row.conflict = conflict;
    row.misses = row.compulsory + capacity + conflict;
    return row;
}

} // namespace

LabSweep::LabSweep() = default;
LabSweep::LabSweep(LabSweep&&) noexcept = default;
LabSweep& LabSweep::operator=(LabSweep&&) noexcept = default;
LabSweep::~LabSweep() = default;

LabSweep startLabSweep(const LevelConfig& base) {
    LabSweep sweep;
    sweep.state = std::make_unique<LabSweepState>();
    LabSweepState& state = *sweep.state;
    state.base = base;
    if (std::has_single_bit(base.line)) { // else no row can be built
        state.lineShift = static_cast<unsigned>(std::countr_zero(base.line));
        planRows(state);
        buildCaches(state);
    }
    return sweep;
}

void feedLabSweep(LabSweep& sweep, const TraceAccess* accesses, std::size_t count) {
    LabSweepState& state = *sweep.state;
    if (state.rows.empty()) {
        return;
    }
    for (std::size_t i = 0; i < count; ++i) {
        forEachLineRequest(accesses[i], state.lineShift, [&state](std::uint64_t address, std::uint64_t, bool write) {
            sweepRequest(state, address >> state.lineShift, !write || state.base.allocate);
        });
    }
}

std::vector<SweepRow> finishLabSweep(LabSweep& sweep) {
    std::vector<SweepRow> rows;
    for (const RowPlan& plan : sweep.state->rows) {
        rows.push_back(rowOf(*sweep.state, plan));
    }
    return rows;
}
