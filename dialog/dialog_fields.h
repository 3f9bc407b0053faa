#pragma once

#include "config/capacities.h"

#include <array>
#include <cstdint>
#include <string>

// The Configuration dialog's contents as the user left them: the text of every field and the selection of
// every list (-1: none). A new dialog holds "0" everywhere and no selection. Every front-end gathers its
// input into this record; the dialog's buttons (dialog_buttons.h) take it from there.
struct DialogFields {
    std::string ram = "0";
    std::string cache = "0";
    std::string block = "0";
    std::string sets = "0";
    std::string iterations = "0";
    std::array<std::string, addressFieldCount> addresses{"0", "0", "0", "0", "0", "0", "0", "0", "0", "0"};
    std::int32_t mapping = -1;
    std::int32_t policy = -1;
    std::int32_t mode = -1;

    bool operator==(const DialogFields&) const = default;
};
