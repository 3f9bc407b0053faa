#include "engine/miss_rate.h"

#include "config/cache_config.h"
#include "config/capacities.h"
#include "engine/simulation_state.h"

#include <algorithm>

void computeMissRate() {
    SimulationState& state = simulationState;
    state.missRate[0] = state.missFlag[0];
    for (std::size_t s = 1; s < state.missRate.size(); ++s) {
        state.missRate[s] = extendedMissRate(state.missRate[s - 1], s, state.missFlag[s]);
    }
}

double extendedMissRate(double rateBefore, std::size_t s, double outcome) {
    const auto count = static_cast<double>(s);
    return (count * rateBefore + outcome) / (count + 1.0);
}

int chartedAccessCount() {
    const int iterations = cacheConfig.iterationCount;
    const int count =
        cacheConfig.workMode == WorkMode::GivenSequence ? addressFieldCount * iterations : iterations;
    return std::clamp(count, 1, stepCapacity);
}
