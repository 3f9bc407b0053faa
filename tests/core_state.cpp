#include "core_state.h"

#include "config/choice_names.h"
#include "config/validation.h"
#include "engine/random_source.h"
#include "engine/simulation_driver.h"
#include "engine/simulation_state.h"
#include "report/status_report.h"

#include <cstdio>
#include <stdexcept>

void startFromStartup(std::uint64_t seed) {
    cacheConfig = CacheConfig{};
    simulationState = SimulationState{};
    simulationStarted = 0;
    resultsReady = 0;
    allocateNameBuffers();
    for (wchar_t* name : {mappingMethodName, replacementPolicyName, workModeName}) {
        storeName(name, L"");
    }
    seedDeterministicRandom(seed);
}

void applySetup(const ConfigSetup& setup) {
    CacheConfig& config = cacheConfig;
    config.ramSizeMb = setup.ramMb;
    config.cacheSizeKb = setup.cacheKb;
    config.blockSizeBytes = setup.blockBytes;
    config.mappingMethod = setup.mapping;
    config.replacementPolicy = setup.policy;
    config.workMode = setup.mode;
    config.setCount = setup.sets;
    config.iterationCount = setup.iterations;
    config.addressEntered.fill(1);
    storeName(mappingMethodName, mappingMethodTexts[toInt(setup.mapping)]);
    storeName(replacementPolicyName, replacementPolicyTexts[toInt(setup.policy)]);
    storeName(workModeName, workModeTexts[toInt(setup.mode)]);
}

void runWith(const ConfigSetup& setup, std::initializer_list<std::uint32_t> addresses) {
    applySetup(setup);
    std::size_t i = 0;
    for (std::uint32_t address : addresses) {
        cacheConfig.addressSequence[i++] = address;
    }
    validateConfiguration();
    if (cacheConfig.configErrors != 0) {
        throw std::logic_error("test configuration does not validate: " +
                               std::to_string(cacheConfig.configErrors));
    }
    simulationStarted = 1;
    runSimulation();
    resultsReady = 1;
}

std::string reportText() {
    std::FILE* file = std::tmpfile();
    printStatusReport(file);
    std::rewind(file);
    std::string text;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
        text.push_back(static_cast<char>(c));
    }
    std::fclose(file);
    return text;
}
