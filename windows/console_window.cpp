#include "windows/console_window.h"

#include "report/console_frame.h"
#include "report/status_report.h"
#include "windows/shell_state.h"

#include <windows.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <string>
#include <string_view>

namespace {

// Points descriptor `target` and its stream at a device, unbuffered. The console is opened by name, so the
// report reaches it however the process was started: with standard handles from a shell, with none from a
// desktop, or with its output redirected to a file.
void bindDescriptor(const wchar_t* device, int target, std::FILE* stream) {
    const HANDLE handle = CreateFileW(device, GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return;
    }
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_TEXT);
    if (descriptor < 0) {
        CloseHandle(handle);
        return;
    }
    if (descriptor != target) {
        _dup2(descriptor, target);
        _close(descriptor);
    }
    // The runtime marks a stream that had no handle at start-up as unusable; point it at its descriptor
    // again.
    stream->_file = target;
    std::clearerr(stream);
    std::setvbuf(stream, nullptr, _IONBF, 0);
}

// Binds standard output and input to the given devices. The runtime makes a rebound descriptor 0 or 1 the
// process's standard handle as well, while releasing a console closes the standard handles its allocation
// created; those are put back, so that the release never closes a handle that a descriptor owns.
void bindStandardStreams(const wchar_t* outputDevice, const wchar_t* inputDevice) {
    const HANDLE standardInput = GetStdHandle(STD_INPUT_HANDLE);
    const HANDLE standardOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    bindDescriptor(outputDevice, 1, stdout);
    bindDescriptor(inputDevice, 0, stdin);
    SetStdHandle(STD_INPUT_HANDLE, standardInput);
    SetStdHandle(STD_OUTPUT_HANDLE, standardOutput);
}

// Closing the console from its title bar would end the whole program with it: the console goes only through
// the "Close" command. Where the console's system menu belongs to another process that cannot be reached
// (Wine's console host), the system menu and with it the close button are taken away instead.
void disableCloseCommand(HWND console) {
    const HMENU systemMenu = GetSystemMenu(console, FALSE);
    if (systemMenu != nullptr) {
        EnableMenuItem(systemMenu, SC_CLOSE, MF_BYCOMMAND | MF_DISABLED);
        return;
    }
    const auto style = static_cast<DWORD>(GetWindowLongW(console, GWL_STYLE));
    SetWindowLongW(console, GWL_STYLE, static_cast<LONG>(style & ~static_cast<DWORD>(WS_SYSMENU)));
}

// The title is ASCII.
std::wstring wideTitle() {
    const std::string_view title = consoleTitle;
    return std::wstring(title.begin(), title.end());
}

} // namespace

void openStatusConsole() {
    if (AllocConsole() == FALSE) {
        return; // a console is open already
    }
    SetConsoleTitleW(wideTitle().c_str());
    repaintMainWindow();
    bindStandardStreams(L"CONOUT$", L"CONIN$");
    const HWND console = GetConsoleWindow();
    disableCloseCommand(console);
    SetWindowPos(console, HWND_NOTOPMOST, consoleLeft, consoleTop, consoleWidth, consoleHeight(),
                 SWP_SHOWWINDOW | SWP_FRAMECHANGED);
    printStatusReport(stdout);
}

// The streams then lead nowhere: what is written to them until the next console is lost, and no handle keeps
// the released console alive.
void closeStatusConsole() {
    FreeConsole();
    bindStandardStreams(L"NUL", L"NUL");
    repaintMainWindow();
}
