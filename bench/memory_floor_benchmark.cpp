// The memory traffic that one run of 100 steps needs at the least: emptying the 100 snapshots and step
// records, then carrying one 320-byte snapshot forward before every step after the first. The runs of the
// simulation benchmark are read against this floor, measured in the same binary and the same run of
// scripts/bench.

#include "config/capacities.h"
#include "engine/simulation_state.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

// Plain bytes of the sizes and alignment of the state's arrays.
constexpr std::size_t snapshotBytes = sizeof(CacheSnapshot);
alignas(CacheSnapshot) unsigned char floorSnapshots[stepCapacity * snapshotBytes];
alignas(StepRecord) unsigned char floorStepRecords[stepCapacity * sizeof(StepRecord)];

void memoryTrafficFloor(benchmark::State& state) {
    for (auto _ : state) {
        std::memset(floorSnapshots, 0, sizeof floorSnapshots);
        std::memset(floorStepRecords, 0, sizeof floorStepRecords);
        benchmark::ClobberMemory();
        for (std::size_t t = 1; t < stepCapacity; ++t) {
            std::memcpy(floorSnapshots + t * snapshotBytes, floorSnapshots + (t - 1) * snapshotBytes,
                        snapshotBytes);
            benchmark::ClobberMemory(); // one copy per step, as a run makes them: none may be merged
        }
    }
}

} // namespace

BENCHMARK(memoryTrafficFloor);
