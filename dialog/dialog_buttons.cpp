#include "dialog/dialog_buttons.h"

#include "config/cache_config.h"
#include "config/choice_names.h"
#include "config/field_text.h"
#include "config/validation.h"
#include "engine/miss_kinds.h"
#include "engine/simulation_driver.h"
#include "engine/simulation_state.h"

#include <span>

namespace {

std::int32_t readSigned(const std::string& text) {
    // The 32-bit number is kept as it is: above 2147483647 it reads as negative.
    return static_cast<std::int32_t>(readFieldNumber(text).value);
}

// A list's selection, and its item's text into the name buffer when there is one. A list holds only its own
// items: a selection beyond them (which no dialog control gives, but a front-end's record may hold) selects
// none, so that validation reports the missing choice instead of passing a method or mode the engine lacks.
std::int32_t storeSelection(std::int32_t selection, std::span<const wchar_t* const> texts, wchar_t* name) {
    if (selection < 0 || static_cast<std::size_t>(selection) >= texts.size()) {
        return -1;
    }
    storeName(name, texts[static_cast<std::size_t>(selection)]);
    return selection;
}

void storeFields(const DialogFields& fields) {
    CacheConfig& config = cacheConfig;
    config.ramSizeMb = readSigned(fields.ram);
    config.cacheSizeKb = readSigned(fields.cache);
    config.blockSizeBytes = readSigned(fields.block);
    config.setCount = readSigned(fields.sets);
    config.iterationCount = readSigned(fields.iterations);
    for (std::size_t i = 0; i < fields.addresses.size(); ++i) {
        const FieldNumber address = readFieldNumber(fields.addresses[i]);
        config.addressSequence[i] = address.value;
        config.addressEntered[i] = address.entered ? 1 : 0;
    }
    config.mappingMethod =
        MappingMethod{storeSelection(fields.mapping, mappingMethodTexts, mappingMethodName)};
    config.replacementPolicy =
        ReplacementPolicy{storeSelection(fields.policy, replacementPolicyTexts, replacementPolicyName)};
    config.workMode = WorkMode{storeSelection(fields.mode, workModeTexts, workModeName)};
}

template <typename... Arguments>
void perform(const ButtonEffects& effects, void (*effect)(void*, Arguments...), Arguments... arguments) {
    if (effect != nullptr) {
        effect(effects.context, arguments...);
    }
}

} // namespace

void pressSetareMod(const DialogFields& fields, const ButtonEffects& effects) {
    storeFields(fields);
    validateConfiguration();
    const bool valid = cacheConfig.configErrors == 0;
    perform(effects, effects.showValidity, valid, cacheConfig.workMode == WorkMode::RandomSequence);
    simulationStarted = 0;
    perform(effects, effects.reopenConsole); // the error list, or the prompt to start
    resultsReady = 0;
    perform(effects, effects.repaint); // the title picture again
}

void selectWorkMode(std::int32_t modeSelection) {
    if (modeSelection == toInt(WorkMode::Individual)) {
        cacheConfig.iterationCount = 0;
    }
}

void pressRegenerateSequence() {
    simulationState.regenerateRandomSequence = 1;
}

void pressExit() {
    forgetLastReset();
}

void pressStartSimulation(const ButtonEffects& effects) {
    simulationStarted = 1;
    runSimulation();
    classifyMisses();
    perform(effects, effects.showRunFinished);
    perform(effects, effects.reopenConsole); // the report of the run
    resultsReady = 1;
    perform(effects, effects.repaint); // the results
}
