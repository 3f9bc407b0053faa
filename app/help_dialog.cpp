#include "app/help_dialog.h"

#include "app/shell_state.h"

INT_PTR CALLBACK helpDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE; // the focus goes to the first control that takes it
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            // A modeless dialog is destroyed, not ended: ending it would only hide it.
            DestroyWindow(dialog);
            helpDialog = nullptr;
            helpDialogCreated = 0;
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}
