#pragma once

#include <windows.h>

// Carries out a command of the main window. False for an id that is not one of its commands.
bool handleMenuCommand(HWND window, unsigned commandId);
