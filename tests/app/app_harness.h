#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The application's main window, created once for the whole test program as wWinMain would create it.
void startApplication();

// Dispatches every message waiting for the test thread's windows.
void pumpMessages();

// Puts every process-wide record back to its start-up state, closes the dialogs and the console, and leaves
// the main window showing.
void resetApplication();

// What a user's actions send to the windows.
void sendCommand(unsigned commandId);            // a menu command to the main window
HWND openConfigurationDialog();                  // "Configuration" > "Input"
void typeInto(int fieldId, const wchar_t* text); // a field's new text
void choose(int listId, int item);               // a list item chosen with the mouse (-1: none)
void focusList(int listId);                      // the list gains the focus, nothing chosen
void press(int buttonId);                        // a click on a dialog button
bool isEnabled(int controlId);
std::wstring fieldText(int controlId);

// The text of this process's console, one entry per row up to the cursor, blanks at the ends of rows removed;
// empty without a console.
std::vector<std::string> consoleLines();

// What printStatusReport writes now, split the same way.
std::vector<std::string> reportLines();

// A top-level window's rectangle on the screen.
RECT windowRect(HWND window);
