#include "app_fixture.h"
#include "config/cache_config.h"
#include "resources/resource_ids.h"
#include "windows/console_window.h"
#include "windows/shell_state.h"

#include <cstdlib>

namespace {

using ConsoleWindow = Application;

// Wine's console snaps its window to whole character cells; a cell is at most this many pixels.
constexpr int cellTolerance = 20;

void expectPlacement(HWND console, int height) {
    const RECT placed = windowRect(console);
    EXPECT_EQ(placed.left, 925);
    EXPECT_EQ(placed.top, 5);
    EXPECT_LE(std::abs(placed.right - placed.left - 370), cellTolerance);
    EXPECT_LE(std::abs(placed.bottom - placed.top - height), cellTolerance);
}

TEST_F(ConsoleWindow, StatusOpensATitledConsoleBesideTheMainWindow) {
    sendCommand(IDM_CONSOLE_STATUS);
    const HWND console = GetConsoleWindow();
    ASSERT_NE(console, nullptr);
    EXPECT_TRUE(IsWindowVisible(console));
    wchar_t title[64] = {};
    GetConsoleTitleW(title, 64);
    EXPECT_STREQ(title, L"TARVEL_CACHE Console");
    expectPlacement(console, 535);
    EXPECT_EQ(consoleLines(), (std::vector<std::string>{"Configurare valida", "Apasa START SIMULARE"}));
}

TEST_F(ConsoleWindow, CannotBeClosedFromItsOwnTitleBar) {
    sendCommand(IDM_CONSOLE_STATUS);
    const HWND console = GetConsoleWindow();
    ASSERT_NE(console, nullptr);
    const HMENU systemMenu = GetSystemMenu(console, FALSE);
    if (systemMenu != nullptr) {
        EXPECT_TRUE(GetMenuState(systemMenu, SC_CLOSE, MF_BYCOMMAND) & MF_DISABLED);
    } else {
        // The console host's menu is out of reach: the console has no system menu and no close button.
        EXPECT_FALSE(static_cast<DWORD>(GetWindowLongW(console, GWL_STYLE)) & WS_SYSMENU);
    }
}

TEST_F(ConsoleWindow, StatusTwiceKeepsTheFirstConsoleAndItsReport) {
    sendCommand(IDM_CONSOLE_STATUS);
    const HWND first = GetConsoleWindow();
    const std::vector<std::string> shown = consoleLines();
    ASSERT_EQ(shown.size(), 2u);
    cacheConfig.configErrors = 0x1; // a second report would differ
    sendCommand(IDM_CONSOLE_STATUS);
    EXPECT_EQ(GetConsoleWindow(), first);
    EXPECT_EQ(consoleLines(), shown);
}

TEST_F(ConsoleWindow, CloseReleasesItAndIsHarmlessWithoutOne) {
    sendCommand(IDM_CONSOLE_CLOSE);
    EXPECT_EQ(GetConsoleWindow(), nullptr);
    sendCommand(IDM_CONSOLE_STATUS);
    const HWND console = GetConsoleWindow();
    sendCommand(IDM_CONSOLE_CLOSE);
    EXPECT_EQ(GetConsoleWindow(), nullptr);
    for (int wait = 0; wait < 100 && IsWindow(console); ++wait) {
        Sleep(50); // the console's window goes with its host process
    }
    EXPECT_FALSE(IsWindow(console));
}

TEST_F(ConsoleWindow, FullReportGetsTheTallWindow) {
    openConfigurationDialog();
    press(IDOK);
    expectPlacement(GetConsoleWindow(), 535);
    EXPECT_EQ(consoleLines(), reportLines());

    typeWorkedExample();
    press(IDOK);
    press(IDC_START_SIMULATION);
    expectPlacement(GetConsoleWindow(), 775);
    const std::vector<std::string> lines = consoleLines();
    EXPECT_EQ(lines, reportLines());
    ASSERT_EQ(lines.size(), 25u);
    EXPECT_EQ(lines[10], "74565 (12345)");
    EXPECT_EQ(lines[20], "Cuvint = 837 (345)");
}

TEST_F(ConsoleWindow, EveryWriteToStandardOutputReachesTheOpenConsole) {
    sendCommand(IDM_CONSOLE_STATUS);
    std::printf("extra line\n");
    std::wprintf(L"wide line\n");
    const std::vector<std::string> lines = consoleLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], "extra line");
    EXPECT_EQ(lines.back(), "wide line");
}

} // namespace
