#include "app/main_window.h"

#include "app/menu_commands.h"
#include "config/choice_names.h"
#include "resources/resource_ids.h"
#include "view/window_places.h"
#include "windows/main_view.h"
#include "windows/shell_state.h"

#include <windowsx.h>

wchar_t windowTitle[shellTextChars] = {};
wchar_t windowClassName[shellTextChars] = {};

namespace {

void onDestroy(HWND) {
    PostQuitMessage(0);
}

// The client area is drawn afresh by the main view on every paint, with the pictures loaded for that paint.
void onPaint(HWND window) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    SetMapMode(dc, MM_TEXT);
    SetWindowExtEx(dc, mainWindowWidth, mainWindowHeight, nullptr);
    SetViewportExtEx(dc, client.right, client.bottom, nullptr);
    {
        const LoadedDiagramBitmaps pictures(appInstance);
        paintMainView(dc, client);
    }
    EndPaint(window, &paint);
}

// The menu, the accelerators and the Configuration dialog all send their commands here; anything else goes on
// to the default handling.
void onCommand(HWND window, int id, HWND control, UINT code) {
    if (!handleMenuCommand(window, static_cast<unsigned>(id))) {
        FORWARD_WM_COMMAND(window, id, control, code, DefWindowProcW);
    }
}

} // namespace

void registerMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = mainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_LARGE_ICON));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszMenuName = MAKEINTRESOURCEW(IDR_MAIN_MENU);
    windowClass.lpszClassName = windowClassName;
    windowClass.hIconSm = LoadIconW(instance, MAKEINTRESOURCEW(IDI_PROGRAM_ICON));
    RegisterClassExW(&windowClass);
}

bool createMainWindow(HINSTANCE instance, int showCommand) {
    appInstance = instance;
    // A caption, a system menu and a minimise box: no sizing border and no maximise box.
    const HWND window =
        CreateWindowExW(0, windowClassName, windowTitle, WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT, 0,
                        mainWindowWidth, mainWindowHeight, nullptr, nullptr, instance, nullptr);
    SetWindowPos(window, HWND_NOTOPMOST, mainWindowPlace.x, mainWindowPlace.y, 0, 0, SWP_NOSIZE);
    mainWindow = window;
    allocateNameBuffers();
    if (window == nullptr) {
        return false;
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return true;
}

bool startMainWindow(HINSTANCE instance, int showCommand) {
    LoadStringW(instance, IDS_WINDOW_TITLE, windowTitle, shellTextChars);
    LoadStringW(instance, IDS_WINDOW_CLASS, windowClassName, shellTextChars);
    registerMainWindowClass(instance);
    return createMainWindow(instance, showCommand);
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(window, WM_DESTROY, onDestroy);
        HANDLE_MSG(window, WM_PAINT, onPaint);
        HANDLE_MSG(window, WM_COMMAND, onCommand);
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}
