#include "app_harness.h"

#include "dialog_driver.h"

#include "app/main_window.h"
#include "config/cache_config.h"
#include "config/choice_names.h"
#include "core_state.h"
#include "engine/simulation_state.h"
#include "report/status_report.h"
#include "resources/resource_ids.h"
#include "windows/console_window.h"
#include "windows/shell_state.h"

#include <cstdio>

void startApplication() {
    if (mainWindow != nullptr) {
        return;
    }
    startMainWindow(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
    pumpMessages();
}

void pumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void resetApplication() {
    if (helpDialogCreated != 0) {
        SendMessageW(helpDialog, WM_COMMAND, IDOK, 0);
    }
    if (configDialogCreated != 0) {
        SendMessageW(configDialog, WM_COMMAND, IDCANCEL, 0);
    }
    closeStatusConsole();
    startFromStartup();
    pumpMessages();
}

void sendCommand(unsigned commandId) {
    SendMessageW(mainWindow, WM_COMMAND, commandId, 0);
    pumpMessages();
}

HWND openConfigurationDialog() {
    sendCommand(IDM_CONFIGURATION_INPUT);
    return configDialog;
}

void typeInto(int fieldId, const wchar_t* text) {
    setFieldText(configDialog, fieldId, text);
}

void choose(int listId, int item) {
    chooseItem(configDialog, listId, item);
    pumpMessages();
}

void focusList(int listId) {
    const HWND list = GetDlgItem(configDialog, listId);
    SendMessageW(configDialog, WM_COMMAND, MAKEWPARAM(listId, CBN_SETFOCUS), reinterpret_cast<LPARAM>(list));
}

void press(int buttonId) {
    clickButton(configDialog, buttonId);
    pumpMessages();
}

bool isEnabled(int controlId) {
    return IsWindowEnabled(GetDlgItem(configDialog, controlId)) != FALSE;
}

std::wstring fieldText(int controlId) {
    wchar_t text[64] = {};
    GetDlgItemTextW(configDialog, controlId, text, 64);
    return text;
}

std::vector<std::string> consoleLines() {
    return readConsoleLines();
}

std::vector<std::string> reportLines() {
    return textLines(reportText());
}

RECT windowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}
