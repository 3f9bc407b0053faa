#pragma once

#include "config/cache_config.h"
#include "dialog/dialog_fields.h"
#include "report/printed_text.h" // printedText, which the tests read every printer with
#include "startup_records.h"

#include <cstdint>
#include <string>

// A configuration as typed into the dialog.
struct ConfigSetup {
    std::int32_t ramMb = 1;
    std::int32_t cacheKb = 16;
    std::int32_t blockBytes = 1024;
    MappingMethod mapping = MappingMethod::Direct;
    ReplacementPolicy policy = ReplacementPolicy::Fifo;
    WorkMode mode = WorkMode::Individual;
    std::int32_t sets = 0;
    std::int32_t iterations = 0;
};
// The dialog's fields holding the setup, with "0" in every address field.
DialogFields dialogFieldsFor(const ConfigSetup& setup);

// "Setare mod" with the setup; the configuration need not validate.
void applySetup(const ConfigSetup& setup);

// "Setare mod" with the setup and the given addresses in fields 0.., then START SIMULARE; the configuration
// must validate.
void runWith(const ConfigSetup& setup, std::initializer_list<std::uint32_t> addresses);

// What printStatusReport writes for the records as they are.
std::string reportText();
