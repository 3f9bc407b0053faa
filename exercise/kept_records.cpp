#include "exercise/kept_records.h"

#include "config/cache_config.h"
#include "config/choice_names.h"
#include "engine/miss_kinds.h"
#include "engine/simulation_state.h"

#include <algorithm>
#include <array>

namespace {

using NameText = std::array<wchar_t, nameBufferChars>;

wchar_t* const* nameBuffers[] = {&mappingMethodName, &replacementPolicyName, &workModeName};

} // namespace

struct KeptRecords::Copy {
    CacheConfig config = cacheConfig;
    std::int32_t started = simulationStarted;
    std::int32_t ready = resultsReady;
    SimulationState state = simulationState;
    MissKinds kinds = missKinds;
    std::array<NameText, 3> names{};
};

KeptRecords::KeptRecords() : copy_(std::make_unique<Copy>()) {
    for (std::size_t i = 0; i < copy_->names.size(); ++i) {
        if (const wchar_t* buffer = *nameBuffers[i]) {
            std::copy_n(buffer, nameBufferChars, copy_->names[i].begin());
        }
    }
}

KeptRecords::~KeptRecords() {
    cacheConfig = copy_->config;
    simulationStarted = copy_->started;
    resultsReady = copy_->ready;
    simulationState = copy_->state;
    missKinds = std::move(copy_->kinds);
    for (std::size_t i = 0; i < copy_->names.size(); ++i) {
        if (wchar_t* buffer = *nameBuffers[i]) {
            std::copy_n(copy_->names[i].begin(), nameBufferChars, buffer);
        }
    }
}
