#include "remote_application.h"

#include "dialog_driver.h"
#include "resources/resource_ids.h"

namespace {

// The executable's Unix path, as Wine's Z: drive shows it.
std::wstring programPath() {
    std::wstring path = L"Z:";
    for (const char* c = TARVEL_CACHE_EXE; *c != '\0'; ++c) {
        path.push_back(*c == '/' ? L'\\' : static_cast<wchar_t>(*c));
    }
    return path;
}

struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    const wchar_t* title;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[64] = {};
    wchar_t title[64] = {};
    GetClassNameW(window, className, 64);
    GetWindowTextW(window, title, 64);
    if (owner == search->processId && lstrcmpW(className, search->className) == 0 &&
        lstrcmpW(title, search->title) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// A top-level window of the process with this class and title, waited for up to ten seconds.
HWND waitForWindow(DWORD processId, const wchar_t* className, const wchar_t* title) {
    for (int attempt = 0; attempt < 200; ++attempt) {
        WindowSearch search{processId, className, title, nullptr};
        EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            return search.found;
        }
        Sleep(50);
    }
    return nullptr;
}

HANDLE inheritableOutputFile(const std::wstring& path) {
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inheritable, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

RemoteApplication startRemoteApplication(StartMode mode) {
    RemoteApplication application;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    HANDLE outputFile = INVALID_HANDLE_VALUE;
    switch (mode) {
    case StartMode::FromShell:
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        break;
    case StartMode::WithoutStandardHandles:
        break; // all three stay null
    case StartMode::OutputToFile:
        wchar_t folder[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, folder);
        application.outputFile = std::wstring(folder) + L"tarvel_cache_output.txt";
        outputFile = inheritableOutputFile(application.outputFile);
        startup.hStdOutput = outputFile;
        break;
    }
    std::wstring commandLine = L"\"" + programPath() + L"\"";
    const BOOL started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &application.process);
    if (outputFile != INVALID_HANDLE_VALUE) {
        CloseHandle(outputFile);
    }
    if (started != FALSE) {
        application.mainWindow =
            waitForWindow(application.process.dwProcessId, L"TARVEL_CACHE", L"tarvel_cache");
    }
    return application;
}

void sendRemoteCommand(const RemoteApplication& application, unsigned commandId) {
    SendMessageW(application.mainWindow, WM_COMMAND, commandId, 0);
}

HWND openRemoteConfigurationDialog(RemoteApplication& application) {
    sendRemoteCommand(application, IDM_CONFIGURATION_INPUT);
    application.configDialog = waitForWindow(application.process.dwProcessId, L"#32770", L"Configuration");
    return application.configDialog;
}

std::vector<std::string> remoteConsoleLines(const RemoteApplication& application) {
    FreeConsole();
    if (AttachConsole(application.process.dwProcessId) == FALSE) {
        return {};
    }
    std::vector<std::string> lines = readConsoleLines();
    FreeConsole();
    return lines;
}

DWORD waitForRemoteExit(const RemoteApplication& application, DWORD milliseconds) {
    WaitForSingleObject(application.process.hProcess, milliseconds);
    DWORD exitCode = STILL_ACTIVE;
    GetExitCodeProcess(application.process.hProcess, &exitCode);
    return exitCode;
}

void closeRemoteApplication(RemoteApplication& application) {
    if (application.process.hProcess == nullptr) {
        return;
    }
    if (waitForRemoteExit(application, 0) == STILL_ACTIVE) {
        TerminateProcess(application.process.hProcess, 1);
        WaitForSingleObject(application.process.hProcess, 5000);
    }
    CloseHandle(application.process.hThread);
    CloseHandle(application.process.hProcess);
    application.process = {};
}
