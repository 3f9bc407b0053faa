#include "app/main_window.h"

#include "app/menu_commands.h"
#include "app/shell_state.h"
#include "config/choice_names.h"
#include "resources/resource_ids.h"
#include "view/main_view.h"

#include <windowsx.h>

namespace {

constexpr int mainWindowLeft = 5;
constexpr int mainWindowTop = 5;
constexpr int mainWindowWidth = 920;
constexpr int mainWindowHeight = 525;

void onDestroy(HWND) {
    PostQuitMessage(0);
}

// The client area is drawn afresh by the main view on every paint.
void onPaint(HWND window) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    SetMapMode(dc, MM_TEXT);
    SetWindowExtEx(dc, mainWindowWidth, mainWindowHeight, nullptr);
    SetViewportExtEx(dc, client.right, client.bottom, nullptr);
    loadDiagramBitmaps();
    paintMainView(dc, paint);
    releaseDiagramBitmaps();
    EndPaint(window, &paint);
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
    SetWindowPos(window, HWND_NOTOPMOST, mainWindowLeft, mainWindowTop, 0, 0, SWP_NOSIZE);
    mainWindow = window;
    allocateNameBuffers();
    if (window == nullptr) {
        return false;
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return true;
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(window, WM_DESTROY, onDestroy);
        HANDLE_MSG(window, WM_PAINT, onPaint);
    case WM_COMMAND:
        if (handleMenuCommand(window, LOWORD(wParam))) {
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
