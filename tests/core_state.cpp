#include "core_state.h"

#include "config/choice_names.h"
#include "dialog/dialog_buttons.h"
#include "report/status_report.h"

#include <gtest/gtest.h>

DialogFields dialogFieldsFor(const ConfigSetup& setup) {
    DialogFields fields;
    fields.ram = std::to_string(setup.ramMb);
    fields.cache = std::to_string(setup.cacheKb);
    fields.block = std::to_string(setup.blockBytes);
    fields.sets = std::to_string(setup.sets);
    fields.iterations = std::to_string(setup.iterations);
    fields.mapping = toInt(setup.mapping);
    fields.policy = toInt(setup.policy);
    fields.mode = toInt(setup.mode);
    return fields;
}

void applySetup(const ConfigSetup& setup) {
    pressSetareMod(dialogFieldsFor(setup));
}

void runWith(const ConfigSetup& setup, std::initializer_list<std::uint32_t> addresses) {
    DialogFields fields = dialogFieldsFor(setup);
    std::size_t i = 0;
    for (std::uint32_t address : addresses) {
        fields.addresses[i++] = std::to_string(address);
    }
    pressSetareMod(fields);
    if (cacheConfig.configErrors != 0) {
        ADD_FAILURE() << "test configuration does not validate: " << cacheConfig.configErrors;
        return;
    }
    pressStartSimulation();
}

std::string reportText() {
    return printedText(printStatusReport);
}
