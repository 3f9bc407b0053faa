#include "dialog_driver.h"

void setFieldText(HWND dialog, int fieldId, const wchar_t* text) {
    SetDlgItemTextW(dialog, fieldId, text);
}

void chooseItem(HWND dialog, int listId, int item) {
    const HWND list = GetDlgItem(dialog, listId);
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void clickButton(HWND dialog, int buttonId) {
    SendMessageW(GetDlgItem(dialog, buttonId), BM_CLICK, 0, 0);
}

std::vector<std::string> textLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    const auto finish = [&] {
        lines.push_back(line.substr(0, line.find_last_not_of(' ') + 1));
        line.clear();
    };
    for (char c : text) {
        if (c == '\n') {
            finish();
        } else if (c != '\r') {
            line.push_back(c);
        }
    }
    if (!line.empty()) {
        finish();
    }
    return lines;
}

std::vector<std::string> readConsoleLines() {
    const HANDLE console =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, 0, nullptr);
    if (console == INVALID_HANDLE_VALUE) {
        return {};
    }
    CONSOLE_SCREEN_BUFFER_INFO info{};
    GetConsoleScreenBufferInfo(console, &info);
    std::string text;
    for (SHORT row = 0; row < info.dwCursorPosition.Y; ++row) {
        std::wstring cells(static_cast<std::size_t>(info.dwSize.X), L' ');
        DWORD read = 0;
        ReadConsoleOutputCharacterW(console, cells.data(), static_cast<DWORD>(cells.size()), COORD{0, row},
                                    &read);
        for (wchar_t c : cells) {
            text.push_back(static_cast<char>(c));
        }
        text.push_back('\n');
    }
    CloseHandle(console);
    return textLines(text);
}
