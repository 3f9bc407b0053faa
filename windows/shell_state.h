#pragma once

#include <windows.h>

#include <cstdint>

// The handles and flags that the windows of every subsystem share: set by the application at start-up and by
// its menu commands, read by the dialog, the console and the painter. It sits below all of them and includes
// none of them.

extern HINSTANCE appInstance; // every resource is loaded from it
extern HWND mainWindow;       // the window to repaint or to send commands to

extern HWND configDialog;
extern std::int32_t configDialogCreated;
extern HWND helpDialog;
extern std::int32_t helpDialogCreated;

// Invalidates the whole client area of the main window, background erased, and paints it at once.
void repaintMainWindow();
