#include "windows/shell_state.h"
#include "app_fixture.h"
#include "resources/resource_ids.h"

#include <string>

namespace {

using MainWindow = Application;

std::wstring menuText(HMENU menu, UINT position) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
    return text;
}

TEST_F(MainWindow, HasItsFixedPlaceSizeAndCaption) {
    const RECT outer = windowRect(mainWindow);
    EXPECT_EQ(outer.left, 5);
    EXPECT_EQ(outer.top, 5);
    EXPECT_EQ(outer.right, 925);
    EXPECT_EQ(outer.bottom, 530);
    wchar_t caption[64] = {};
    GetWindowTextW(mainWindow, caption, 64);
    EXPECT_STREQ(caption, L"tarvel_cache");
    wchar_t className[64] = {};
    GetClassNameW(mainWindow, className, 64);
    EXPECT_STREQ(className, L"TARVEL_CACHE");
}

TEST_F(MainWindow, CanBeMinimisedButNeitherResizedNorMaximised) {
    const auto style = static_cast<DWORD>(GetWindowLongW(mainWindow, GWL_STYLE));
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    const auto classStyle = static_cast<UINT>(GetClassLongW(mainWindow, GCL_STYLE));
    EXPECT_EQ(classStyle, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW));
}

TEST_F(MainWindow, MenuBarHoldsTheFourMenusInOrder) {
    const HMENU bar = GetMenu(mainWindow);
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 4);
    EXPECT_EQ(menuText(bar, 0), L"&File");
    EXPECT_EQ(menuText(bar, 1), L"Console");
    EXPECT_EQ(menuText(bar, 2), L"Configuration");
    EXPECT_EQ(menuText(bar, 3), L"&Help");
    const HMENU console = GetSubMenu(bar, 1);
    EXPECT_EQ(menuText(console, 0), L"Status");
    EXPECT_EQ(GetMenuItemID(console, 0), static_cast<UINT>(IDM_CONSOLE_STATUS));
    EXPECT_EQ(menuText(console, 1), L"Close");
    EXPECT_EQ(GetMenuItemID(console, 1), static_cast<UINT>(IDM_CONSOLE_CLOSE));
    EXPECT_EQ(menuText(GetSubMenu(bar, 0), 0), L"E&xit");
    EXPECT_EQ(GetMenuItemID(GetSubMenu(bar, 0), 0), static_cast<UINT>(IDM_EXIT));
    EXPECT_EQ(GetMenuItemID(GetSubMenu(bar, 2), 0), static_cast<UINT>(IDM_CONFIGURATION_INPUT));
    EXPECT_EQ(menuText(GetSubMenu(bar, 3), 0), L"Mod de utilizare");
    EXPECT_EQ(GetMenuItemID(GetSubMenu(bar, 3), 0), static_cast<UINT>(IDM_HELP));
}

TEST_F(MainWindow, AltSlashAndAltQuestionMarkOpenHelp) {
    const HACCEL table = LoadAcceleratorsW(appInstance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
    ACCEL entries[4] = {};
    ASSERT_EQ(CopyAcceleratorTableW(table, entries, 4), 2);
    EXPECT_EQ(entries[0].key, '/');
    EXPECT_EQ(entries[1].key, '?');
    for (const ACCEL& entry : {entries[0], entries[1]}) {
        EXPECT_EQ(entry.cmd, IDM_HELP);
        EXPECT_EQ(entry.fVirt & (FALT | FVIRTKEY | FNOINVERT), FALT | FNOINVERT);
    }
    // Alt held down while "?" arrives.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_MENU] = 0x80;
    SetKeyboardState(keys);
    const auto pressAltQuestionMark = [&](HWND target) {
        MSG keystroke{target, WM_SYSCHAR, '?', 1 << 29, 0, {}};
        const int translated = TranslateAcceleratorW(target, table, &keystroke);
        pumpMessages();
        return translated;
    };
    // Addressed to a field of the Configuration dialog, the command goes to that field, which ignores it.
    openConfigurationDialog();
    EXPECT_NE(pressAltQuestionMark(GetDlgItem(configDialog, IDC_RAM_SIZE)), 0);
    EXPECT_EQ(helpDialogCreated, 0);
    // Addressed to the main window, it opens Help.
    EXPECT_NE(pressAltQuestionMark(mainWindow), 0);
    EXPECT_EQ(helpDialogCreated, 1);
    keys[VK_MENU] = 0;
    SetKeyboardState(keys);
}

TEST_F(MainWindow, UnknownCommandsGoToTheDefaultProcedure) {
    sendCommand(40000);
    sendCommand(0);
    EXPECT_EQ(configDialogCreated, 0);
    EXPECT_EQ(helpDialogCreated, 0);
    EXPECT_TRUE(IsWindow(mainWindow));
}

TEST_F(MainWindow, ProgramIconHoldsTwoThirtyTwoPixelImages) {
    const HRSRC group = FindResourceW(appInstance, MAKEINTRESOURCEW(IDI_PROGRAM_ICON), RT_GROUP_ICON);
    ASSERT_NE(group, nullptr);
    const auto* header = static_cast<const WORD*>(LockResource(LoadResource(appInstance, group)));
    EXPECT_EQ(header[2], 2); // images in the group
    EXPECT_EQ(FindResourceW(appInstance, MAKEINTRESOURCEW(IDI_LARGE_ICON), RT_GROUP_ICON), nullptr);
    wchar_t title[64] = {};
    LoadStringW(appInstance, IDS_WINDOW_TITLE, title, 64);
    EXPECT_STREQ(title, L"tarvel_cache");
}

} // namespace
