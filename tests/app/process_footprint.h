#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The names of the processes this one can see: under Wine, those of its prefix (the test, the program, the
// console host of an open console, Wine's own services).
std::vector<std::string> visibleProcessNames();

// The handles a process holds, counted in the system's handle table. GetProcessHandleCount cannot serve:
// under Wine 8 it is a stub that answers 0.
//
// Wine's AllocConsole starts a console host process for each new console and never closes the process and
// thread handles it gets for it, so a program that opens consoles collects two handles per console that it
// cannot release. They are counted apart, so that the program's own handles can be watched on their own.
struct HandleCount {
    DWORD total = 0;
    DWORD toConsoleHosts = 0; // to conhost.exe processes, running or ended, and to their threads

    DWORD own() const { return total - toConsoleHosts; }
};

// The process must have been opened with PROCESS_DUP_HANDLE (a handle from CreateProcess has it).
HandleCount handleCountOf(const PROCESS_INFORMATION& process);
