#pragma once

#include "dialog/dialog_controls.h"
#include "dialog/dialog_fields.h"
#include "language/language.h"

#include <cstdint>
#include <string>

// What the program's windows besides the main view hold, kept for the page: the Configuration dialog (whether
// it exists, its contents, which of its controls are enabled) and the console (whether it is open and the
// text it printed when it opened). The page draws them as they stand after each call. Every rule comes from
// the core: the dialog's buttons, its control rules and the console's frame.
struct PageDialog {
    bool open = false;
    DialogFields fields{};
    DialogControls controls = dialogOpened();
};

struct PageConsole {
    bool open = false;
    std::string text{};
    int height = 0;
    std::uint32_t openings = 0; // tells the page a console opened afresh, even with the same text
};

struct PageScreen {
    Language language = Language::Romanian; // of the console, the practice and the links
    PageDialog dialog{};
    PageConsole console{};
    std::uint32_t repaints = 0; // the main view must be drawn again whenever this changes
};

extern PageScreen pageScreen;

// The menu's commands: Configuration > Input creates a new dialog unless one is open (true when it did);
// Console > Status opens a console unless one is open; Console > Close closes it.
bool openConfigurationDialog();
void openConsole();
void closeConsole();

// The page shown in language from now on: an open console shows its report again in it, as a new opening.
void showInLanguage(Language language);

// The dialog's notifications and buttons. Each returns false and changes nothing where the dialog could not
// do it: while it is closed, or on a disabled button.
bool notifyMappingList(bool selectionChanged);
bool notifyWorkModeSelection();
bool pressSetareModOnPage();
bool pressStartSimulationOnPage();
bool pressRegenerateSequenceOnPage();
bool pressExitOnPage();
