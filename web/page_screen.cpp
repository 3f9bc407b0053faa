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

void repaint(PageScreen& screen) {
    ++screen.repaints;
}

void openConsoleOf(PageScreen& screen) {
    PageConsole& console = screen.console;
    if (console.open) {
        return; // its report stays as it was printed
    }
    console.open = true;
    console.height = consoleHeight();
    console.text = printedText([&screen](std::FILE* out) { printStatusReportIn(out, screen.language); });
    ++console.openings;
    repaint(screen);
}

void closeConsoleOf(PageScreen& screen) {
    screen.console.open = false;
    screen.console.text.clear();
    repaint(screen);
}

// The buttons' effects on the screen record that is their context.
PageScreen& screenOf(void* context) {
    return *static_cast<PageScreen*>(context);
}

void showValidity(void* context, bool valid, bool randomSequence) {
    DialogControls& dialogControls = screenOf(context).dialog.controls;
    dialogControls = afterSetareMod(dialogControls, valid, randomSequence);
}

void showRunFinished(void* context) {
    DialogControls& dialogControls = screenOf(context).dialog.controls;
    dialogControls = afterStartSimulation(dialogControls);
}

// A fresh console shows the report for the records as they are now.
void reopenConsole(void* context) {
    closeConsoleOf(screenOf(context));
    openConsoleOf(screenOf(context));
}

void repaintScreen(void* context) {
    repaint(screenOf(context));
}

ButtonEffects effectsOn(PageScreen& screen) {
    return {showValidity, showRunFinished, reopenConsole, repaintScreen, &screen};
}

} // namespace

bool openConfigurationDialog() {
    if (pageScreen.dialog.open) {
        return false;
    }
    pageScreen.dialog = PageDialog{.open = true};
    repaint(pageScreen);
    return true;
}

void openConsole() {
    openConsoleOf(pageScreen);
}

void closeConsole() {
    closeConsoleOf(pageScreen);
}

void showInLanguage(Language language) {
    pageScreen.language = language;
    if (pageScreen.console.open) {
        closeConsoleOf(pageScreen);
        openConsoleOf(pageScreen);
    }
    repaint(pageScreen);
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
    pressSetareMod(pageScreen.dialog.fields, effectsOn(pageScreen));
    return true;
}

bool pressStartSimulationOnPage() {
    if (!pageScreen.dialog.open || !controls().startSimulation) {
        return false;
    }
    pressStartSimulation(effectsOn(pageScreen));
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
