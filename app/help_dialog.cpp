#include "app/help_dialog.h"

#include "windows/dialog_command.h"
#include "windows/shell_state.h"

namespace {

// "OK" and the caption's close box (IDCANCEL) end the dialog; a modeless dialog is destroyed, not ended:
// ending it would only hide it.
BOOL onCommand(HWND dialog, int id, HWND, UINT) {
    if (id != IDOK && id != IDCANCEL) {
        return FALSE;
    }
    DestroyWindow(dialog);
    helpDialog = nullptr;
    helpDialogCreated = 0;
    return TRUE;
}

} // namespace

INT_PTR CALLBACK helpDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE; // the focus goes to the first control that takes it
    case WM_COMMAND:
        return crackDialogCommand(dialog, wParam, lParam, onCommand);
    default:
        return FALSE;
    }
}
