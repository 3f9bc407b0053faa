#include "windows/shell_state.h"

HINSTANCE appInstance = nullptr;
HWND mainWindow = nullptr;

HWND configDialog = nullptr;
std::int32_t configDialogCreated = 0;
HWND helpDialog = nullptr;
std::int32_t helpDialogCreated = 0;

void repaintMainWindow() {
    InvalidateRect(mainWindow, nullptr, TRUE);
    UpdateWindow(mainWindow);
}
