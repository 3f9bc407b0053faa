#pragma once

#include <windows.h>

// Registers the class of the main window. Its atom is not needed afterwards.
void registerMainWindowClass(HINSTANCE instance);

// Creates, places and shows the main window at (5, 5) and allocates the name buffers of the configuration
// record. False when the window cannot be created.
bool createMainWindow(HINSTANCE instance, int showCommand);

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
