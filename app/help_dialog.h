#pragma once

#include <windows.h>

// The Help dialog, modeless: "OK" or the caption's close box destroys it, and the next Help command creates a
// new one.
INT_PTR CALLBACK helpDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
