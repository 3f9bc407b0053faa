#pragma once

#include <windows.h>

#include <cstdint>

// The shell's process-wide handles and flags, set once at start-up or by the menu commands.
inline constexpr int shellTextChars = 100;

extern HINSTANCE appInstance; // every resource is loaded from it
extern HWND mainWindow;       // the window to repaint or to send commands to
extern wchar_t windowTitle[shellTextChars];
extern wchar_t windowClassName[shellTextChars];

extern HWND configDialog;
extern std::int32_t configDialogCreated;
extern HWND helpDialog;
extern std::int32_t helpDialogCreated;

// Invalidates the whole client area of the main window, background erased, and paints it at once.
void repaintMainWindow();
