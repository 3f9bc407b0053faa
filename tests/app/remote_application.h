#pragma once

#include <windows.h>

#include <string>
#include <vector>

// How tarvel_cache.exe is started: from a shell, with its standard handles; from a desktop or another
// program, with none; or with its standard output redirected to a file.
enum class StartMode { FromShell, WithoutStandardHandles, OutputToFile };

// tarvel_cache.exe running as its own process, driven from this one.
struct RemoteApplication {
    PROCESS_INFORMATION process{};
    HWND mainWindow = nullptr;
    HWND configDialog = nullptr;
    std::wstring outputFile; // the file its standard output goes to, in OutputToFile mode
};

// Starts the program and waits for its main window. mainWindow stays null when it does not appear.
RemoteApplication startRemoteApplication(StartMode mode);

// Sends a menu command to the main window and waits until it is handled.
void sendRemoteCommand(const RemoteApplication& application, unsigned commandId);

// "Configuration" > "Input", then finds the dialog the program created.
HWND openRemoteConfigurationDialog(RemoteApplication& application);

// The text of the program's console, read by attaching to it.
std::vector<std::string> remoteConsoleLines(const RemoteApplication& application);

// Waits for the process to end; its exit code, or STILL_ACTIVE after the timeout.
DWORD waitForRemoteExit(const RemoteApplication& application, DWORD milliseconds);

// Ends the process if it still runs and releases its handles.
void closeRemoteApplication(RemoteApplication& application);
