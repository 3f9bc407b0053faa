#include "app/menu_commands.h"

#include "app/help_dialog.h"
#include "app/menu_command.h"
#include "app/shell_state.h"
#include "config/config_dialog.h"
#include "report/console_window.h"
#include "resources/resource_ids.h"

namespace {

constexpr POINT configDialogPlace{35, 535}; // just below the main window
constexpr POINT helpDialogPlace{100, 75};

void moveTo(HWND dialog, POINT place) {
    SetWindowPos(dialog, HWND_NOTOPMOST, place.x, place.y, 0, 0, SWP_NOSIZE);
}

// Creates the dialog once; while it exists every "Input" brings it back to its place with its contents kept.
void showConfigurationDialog(HWND owner) {
    if (configDialogCreated == 0) {
        configDialog =
            CreateDialogParamW(appInstance, MAKEINTRESOURCEW(IDD_CONFIGURATION), owner, configDialogProc, 0);
        configDialogCreated = 1;
    }
    moveTo(configDialog, configDialogPlace);
    ShowWindow(configDialog, SW_SHOW);
}

void showHelpDialog(HWND owner) {
    if (helpDialogCreated == 0) {
        helpDialog = CreateDialogParamW(appInstance, MAKEINTRESOURCEW(IDD_HELP), owner, helpDialogProc, 0);
        helpDialogCreated = 1;
    }
    ShowWindow(helpDialog, SW_SHOW);
    moveTo(helpDialog, helpDialogPlace);
}

} // namespace

bool handleMenuCommand(HWND window, unsigned commandId) {
    switch (static_cast<MenuCommand>(commandId)) {
    case MenuCommand::Help:
        showHelpDialog(window);
        return true;
    case MenuCommand::Exit:
        DestroyWindow(window);
        return true;
    case MenuCommand::ConsoleStatus:
        openStatusConsole();
        return true;
    case MenuCommand::ConsoleClose:
        closeStatusConsole();
        return true;
    case MenuCommand::ConfigurationInput:
        showConfigurationDialog(window);
        return true;
    }
    return false;
}
