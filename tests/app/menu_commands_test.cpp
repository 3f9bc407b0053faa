#include "windows/shell_state.h"
#include "app_fixture.h"
#include "config/cache_config.h"
#include "engine/simulation_state.h"
#include "resources/resource_ids.h"

namespace {

using MenuCommands = Application;

TEST_F(MenuCommands, InputCreatesTheConfigurationDialogOnceBelowTheMainWindow) {
    const HWND dialog = openConfigurationDialog();
    ASSERT_TRUE(IsWindow(dialog));
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), mainWindow);
    const RECT placed = windowRect(dialog);
    EXPECT_EQ(placed.left, 35);
    EXPECT_EQ(placed.top, 535);
    wchar_t caption[32] = {};
    GetWindowTextW(dialog, caption, 32);
    EXPECT_STREQ(caption, L"Configuration");

    typeInto(IDC_RAM_SIZE, L"64");
    SetWindowPos(dialog, nullptr, 300, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER); // the user moves it away
    EXPECT_EQ(openConfigurationDialog(), dialog);
    EXPECT_EQ(windowRect(dialog).left, 35);
    EXPECT_EQ(windowRect(dialog).top, 535);
    EXPECT_EQ(fieldText(IDC_RAM_SIZE), L"64");
}

TEST_F(MenuCommands, ExitDestroysTheDialogAndTheNextInputStartsAFreshOne) {
    const HWND first = openConfigurationDialog();
    typeInto(IDC_RAM_SIZE, L"64");
    press(IDOK);
    press(IDCANCEL);
    EXPECT_FALSE(IsWindow(first)) << "a closed dialog must not linger hidden";
    EXPECT_EQ(configDialogCreated, 0);
    EXPECT_EQ(cacheConfig.ramSizeMb, 64); // closing keeps the record
    EXPECT_EQ(simulationState.previousMappingMethod, -2);
    EXPECT_EQ(simulationState.previousReplacementPolicy, -2);
    EXPECT_EQ(simulationState.previousWorkMode, -2);
    EXPECT_EQ(simulationState.regenerateRandomSequence, 1);

    openConfigurationDialog();
    EXPECT_EQ(fieldText(IDC_RAM_SIZE), L"0");
    EXPECT_EQ(SendDlgItemMessageW(configDialog, IDC_MAPPING_LIST, CB_GETCURSEL, 0, 0), CB_ERR);
}

TEST_F(MenuCommands, CaptionCloseBoxOfTheConfigurationDialogActsLikeExit) {
    const HWND dialog = openConfigurationDialog();
    SendMessageW(dialog, WM_CLOSE, 0, 0);
    pumpMessages();
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(configDialogCreated, 0);
}

TEST_F(MenuCommands, HelpDialogIsShownOnceAndRecreatedAfterOk) {
    sendCommand(IDM_HELP);
    const HWND help = helpDialog;
    ASSERT_TRUE(IsWindow(help));
    EXPECT_TRUE(IsWindowVisible(help));
    EXPECT_EQ(windowRect(help).left, 100);
    EXPECT_EQ(windowRect(help).top, 75);
    wchar_t caption[32] = {};
    GetWindowTextW(help, caption, 32);
    EXPECT_STREQ(caption, L"Help TARVEL_CACHE");

    SetWindowPos(help, nullptr, 400, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    sendCommand(IDM_HELP);
    EXPECT_EQ(helpDialog, help);
    EXPECT_EQ(windowRect(help).left, 100);

    SendMessageW(GetDlgItem(help, IDOK), BM_CLICK, 0, 0);
    pumpMessages();
    EXPECT_FALSE(IsWindow(help));
    EXPECT_EQ(helpDialogCreated, 0);
    sendCommand(IDM_HELP);
    EXPECT_TRUE(IsWindow(helpDialog));
    EXPECT_EQ(windowRect(helpDialog).top, 75);
}

TEST_F(MenuCommands, HelpCloseBoxActsLikeOk) {
    sendCommand(IDM_HELP);
    const HWND help = helpDialog;
    SendMessageW(help, WM_CLOSE, 0, 0);
    pumpMessages();
    EXPECT_FALSE(IsWindow(help));
    EXPECT_EQ(helpDialogCreated, 0);
}

TEST_F(MenuCommands, HelpShowsTheAdmissibleValues) {
    sendCommand(IDM_HELP);
    std::vector<std::wstring> texts;
    for (HWND child = GetWindow(helpDialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t text[200] = {};
        GetWindowTextW(child, text, 200);
        texts.emplace_back(text);
    }
    ASSERT_EQ(texts.size(), 17u);
    EXPECT_EQ(texts[0], L"tarvel -simulator pentru  mapare cache");
    EXPECT_EQ(texts[3], L"Dimensiunea RAM: 1,2,4,8,16,32,64,128,256,512,1024,2048,4096 (in Mocteti)");
    EXPECT_EQ(texts[11],
              L"Pentru modul \"secventa aleatoare\": se calculeaza rata de pierderi pentru numarul de "
              L"iteratii dat");
    EXPECT_EQ(texts[16], L"OK");
}

} // namespace
