#include "app/menu_commands.h"

#include "app/help_dialog.h"
#include "resources/resource_ids.h"
#include "view/window_places.h"
#include "windows/config_dialog.h"
#include "windows/console_window.h"
#include "windows/shell_state.h"

namespace {

void moveTo(HWND dialog, WindowPlace place) {
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
    switch (commandId) {
    case IDM_HELP:
        showHelpDialog(window);
        return true;
    case IDM_EXIT:
        DestroyWindow(window);
        return true;
    case IDM_CONSOLE_STATUS:
        openStatusConsole();
        return true;
    case IDM_CONSOLE_CLOSE:
        closeStatusConsole();
        return true;
    case IDM_CONFIGURATION_INPUT:
        showConfigurationDialog(window);
        return true;
    default:
        return false;
    }
}
