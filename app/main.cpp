// tarvel_cache: the Windows application.

#include "app/main_window.h"
#include "resources/resource_ids.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    if (!startMainWindow(instance, showCommand)) {
        return 0;
    }
    const HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));

    // The modeless dialogs get no dialog keyboard handling: Tab, Enter and Escape mean nothing there.
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorW(message.hwnd, accelerators, &message) == 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
