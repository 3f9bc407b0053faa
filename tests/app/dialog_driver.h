#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The messages a user's actions send to a dialog's controls; the dialog may belong to another process.
void setFieldText(HWND dialog, int fieldId, const wchar_t* text);
void chooseItem(HWND dialog, int listId, int item); // the selection, then the list's change notification
void clickButton(HWND dialog, int buttonId);

// The text of the console this process is attached to, one entry per row up to the cursor, blanks at the ends
// of rows removed; empty without a console.
std::vector<std::string> readConsoleLines();
inline std::size_t readConsoleLinesCount() {
    return readConsoleLines().size();
}

// Text split into lines the same way.
std::vector<std::string> textLines(const std::string& text);
