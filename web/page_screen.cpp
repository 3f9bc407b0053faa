#include "web/page_screen.h"

#include "dialog/dialog_buttons.h"
#include "report/console_frame.h"
#include "report/printed_text.h"
#include "report/status_report.h"

PageScreen pageScreen;

namespace {

DialogControls& controls() {
    return pageScreen.dialog.controls;
}

void showValidity(bool valid, bool randomSequence) {
    controls() = afterSetareMod(controls(), valid, randomSequence);
}

void showRunFinished() {
    controls() = afterStartSimulation(controls());
}

// A fresh console shows the report for the records as they are now.
void reopenConsole() {
    closeConsole();
    openConsole();
}

void repaint() {
    ++pageScreen.repaints;
}

constexpr ButtonEffects pageEffects{showValidity, showRunFinished, reopenConsole, repaint};

} // namespace

bool openConfigurationDialog() {
    if (pageScreen.dialog.open) {
        return false;
    }
    pageScreen.dialog = PageDialog{.open = true};
    repaint();
    return true;
}

void openConsole() {
    PageConsole& console = pageScreen.console;
    if (console.open) {
        return; // its report stays as it was printed
    }
    console.open = true;
    console.height = consoleHeight();
    console.text = printedText(printStatusReport);
    ++console.openings;
    repaint();
}

void closeConsole() {
    pageScreen.console.open = false;
    pageScreen.console.text.clear();
    repaint();
}

bool notifyMappingList(bool selectionChanged) {
    PageDialog& dialog = pageScreen.dialog;
    if (!dialog.open) {
        return false;
    }
    dialog.controls = afterMappingNotification(dialog.controls, dialog.fields.mapping, selectionChanged);
    return true;
}

bool notifyWorkModeSelection() {
    PageDialog& dialog = pageScreen.dialog;
    if (!dialog.open) {
        return false;
    }
    dialog.controls = afterWorkModeSelection(dialog.controls, dialog.fields.mode);
    selectWorkMode(dialog.fields.mode);
    return true;
}

bool pressSetareModOnPage() {
    if (!pageScreen.dialog.open) {
        return false;
    }
    pressSetareMod(pageScreen.dialog.fields, pageEffects);
    return true;
}

bool pressStartSimulationOnPage() {
    if (!pageScreen.dialog.open || !controls().startSimulation) {
        return false;
    }
    pressStartSimulation(pageEffects);
    return true;
}

bool pressRegenerateSequenceOnPage() {
    if (!pageScreen.dialog.open || !controls().regenerateSequence) {
        return false;
    }
    pressRegenerateSequence();
    controls() = afterRegenerateSequence(controls());
    return true;
}

// The dialog is destroyed; the next Input creates a new one.
bool pressExitOnPage() {
    if (!pageScreen.dialog.open) {
        return false;
    }
    pressExit();
    pageScreen.dialog = PageDialog{};
    return true;
}
