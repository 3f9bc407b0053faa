#pragma once

#include <windows.h>

// The main window's caption and class name, loaded from the string table at start-up.
inline constexpr int shellTextChars = 100;
extern wchar_t windowTitle[shellTextChars];
extern wchar_t windowClassName[shellTextChars];

// Registers the class of the main window. Its atom is not needed afterwards.
void registerMainWindowClass(HINSTANCE instance);

// Creates, places and shows the main window at (5, 5) and allocates the name buffers of the configuration
// record. False when the window cannot be created.
bool createMainWindow(HINSTANCE instance, int showCommand);

// Everything the program does before its message loop: loads the caption and class name, registers the class
// and creates the window. The tests and the benchmark start the same window with it. False when the window
// cannot be created.
bool startMainWindow(HINSTANCE instance, int showCommand);

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
