#pragma once

#include <windows.h>
#include <windowsx.h>

// Hands a dialog's WM_COMMAND to a cracker-style handler, handler(dialog, id, control, code), and returns the
// handler's answer. A dialog procedure must say whether it handled a command, which HANDLE_MSG, made for
// window procedures, would drop.
template <typename Handler>
INT_PTR crackDialogCommand(HWND dialog, WPARAM wParam, LPARAM lParam, Handler handler) {
    return handler(dialog, static_cast<int>(GET_WM_COMMAND_ID(wParam, lParam)),
                   GET_WM_COMMAND_HWND(wParam, lParam),
                   static_cast<UINT>(GET_WM_COMMAND_CMD(wParam, lParam)));
}
