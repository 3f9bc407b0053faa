// tarvel_cache.exe started as its own process and driven from this one, as a user's actions would drive it.

#include "dialog_driver.h"
#include "remote_application.h"
#include "resources/resource_ids.h"

#include <gtest/gtest.h>

namespace {

const std::vector<std::string> workedReport{"=====================================",
                                            "Simulator metode de mapare",
                                            "a memoriei cache",
                                            "=====================================",
                                            "Dimensiune RAM: 1 (Mo)",
                                            "Dimensiune Cache: 16 (ko)",
                                            "Dimensiune Bloc: 1024 (o)",
                                            "Metoda de mapare: directa",
                                            "Mod de lucru: individual",
                                            "Adresa RAM :",
                                            "74565 (12345)",
                                            "=====================================",
                                            "START SIMULARE",
                                            "Numar de blocuri in cache: 16",
                                            "Mapare directa",
                                            "Pas simulare = 1",
                                            "Numar de biti adresa virtuala: 20",
                                            "Numar de biti cuvint: 10",
                                            "Numar de biti bloc: 4",
                                            "Numar de biti tag: 6",
                                            "Cuvint = 837 (345)",
                                            "Bloc = 8 (8)",
                                            "Tag = 4 (4)",
                                            "Bloc RAM = 72 (48)",
                                            "Cache miss !"};

// A whole individual run of the worked example through the dialog; what the console shows afterwards.
std::vector<std::string> runWorkedExample(RemoteApplication& application) {
    const HWND dialog = openRemoteConfigurationDialog(application);
    if (dialog == nullptr) {
        return {};
    }
    setFieldText(dialog, IDC_RAM_SIZE, L"1");
    setFieldText(dialog, IDC_CACHE_SIZE, L"16");
    setFieldText(dialog, IDC_BLOCK_SIZE, L"1024");
    chooseItem(dialog, IDC_MAPPING_LIST, 2);   // directa
    chooseItem(dialog, IDC_WORK_MODE_LIST, 0); // individual
    setFieldText(dialog, IDC_ADDRESS_0, L"74565");
    clickButton(dialog, IDOK);
    clickButton(dialog, IDC_START_SIMULATION);
    return remoteConsoleLines(application);
}

class ApplicationProcess : public ::testing::TestWithParam<StartMode> {
  protected:
    void TearDown() override { closeRemoteApplication(application); }
    RemoteApplication application;
};

TEST_P(ApplicationProcess, WorkedExampleReachesTheConsoleAndExitEndsWithCodeZero) {
    application = startRemoteApplication(GetParam());
    ASSERT_NE(application.mainWindow, nullptr) << "the main window did not appear";
    EXPECT_EQ(runWorkedExample(application), workedReport);
    PostMessageW(application.mainWindow, WM_COMMAND, IDM_EXIT, 0);
    EXPECT_EQ(waitForRemoteExit(application, 10000), 0u);
    if (GetParam() == StartMode::OutputToFile) {
        WIN32_FILE_ATTRIBUTE_DATA output{};
        ASSERT_NE(GetFileAttributesExW(application.outputFile.c_str(), GetFileExInfoStandard, &output),
                  FALSE);
        EXPECT_EQ(output.nFileSizeLow, 0u)
            << "the report belongs in the console, not in the redirected output";
    }
}

std::string startModeName(const ::testing::TestParamInfo<StartMode>& mode) {
    switch (mode.param) {
    case StartMode::FromShell:
        return "FromShell";
    case StartMode::WithoutStandardHandles:
        return "WithoutStandardHandles";
    case StartMode::OutputToFile:
        return "OutputToFile";
    }
    return "Unknown";
}

INSTANTIATE_TEST_SUITE_P(StartModes, ApplicationProcess,
                         ::testing::Values(StartMode::FromShell, StartMode::WithoutStandardHandles,
                                           StartMode::OutputToFile),
                         startModeName);

TEST(ApplicationProcessEnd, CloseButtonEndsWithCodeZeroWhileDialogsAndConsoleAreOpen) {
    RemoteApplication application = startRemoteApplication(StartMode::WithoutStandardHandles);
    ASSERT_NE(application.mainWindow, nullptr);
    EXPECT_EQ(runWorkedExample(application), workedReport);
    sendRemoteCommand(application, IDM_HELP);
    PostMessageW(application.mainWindow, WM_CLOSE, 0, 0);
    EXPECT_EQ(waitForRemoteExit(application, 10000), 0u);
    closeRemoteApplication(application);
}

} // namespace
