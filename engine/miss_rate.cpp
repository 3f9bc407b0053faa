#include "engine/miss_rate.h"

#include "engine/simulation_state.h"

void computeMissRate() {
    SimulationState& state = simulationState;
    state.missRate[0] = state.missFlag[0];
    // A running mean: each entry extends the previous one by one access.
    for (std::size_t s = 1; s < state.missRate.size(); ++s) {
        const auto count = static_cast<double>(s);
        state.missRate[s] = (count * state.missRate[s - 1] + state.missFlag[s]) / (count + 1.0);
    }
}
