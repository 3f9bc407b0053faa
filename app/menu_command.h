#pragma once

#include "resources/resource_ids.h"

// The commands of the main window, from its menu, its accelerators or the Configuration dialog.
enum class MenuCommand : unsigned {
    Help = IDM_HELP,
    Exit = IDM_EXIT,
    ConsoleStatus = IDM_CONSOLE_STATUS,
    ConsoleClose = IDM_CONSOLE_CLOSE,
    ConfigurationInput = IDM_CONFIGURATION_INPUT,
};
