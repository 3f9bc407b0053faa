#pragma once

#include <windows.h>

// The modeless Configuration dialog: fills the configuration record, validates it ("Setare mod") and starts a
// run (START SIMULARE).
INT_PTR CALLBACK configDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
