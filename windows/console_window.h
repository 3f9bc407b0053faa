#pragma once

// Opens a console beside the main window and prints the status report into it. Does nothing while a console
// is open.
void openStatusConsole();

// Releases the console, if there is one, and repaints the main window.
void closeStatusConsole();
