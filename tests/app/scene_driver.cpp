// Starts tarvel_cache.exe and drives it, as a user would, into one of the scenes shown in the documentation.
// Prints "ready" when the scene is on the screen, waits until the given file exists (the screenshot has been
// taken), then ends the program through its "Exit" command.
//
// Usage: scene_driver SCENE CONTINUE_FILE

#include "config/cache_config.h"
#include "dialog_driver.h"
#include "remote_application.h"
#include "resources/resource_ids.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Configuration {
    const wchar_t* ram;
    const wchar_t* cache;
    const wchar_t* block;
    int mapping;
    int policy; // -1: left unselected
    int mode;
    const wchar_t* sets;
    const wchar_t* iterations;
};

void fill(HWND dialog, const Configuration& configuration) {
    setFieldText(dialog, IDC_RAM_SIZE, configuration.ram);
    setFieldText(dialog, IDC_CACHE_SIZE, configuration.cache);
    setFieldText(dialog, IDC_BLOCK_SIZE, configuration.block);
    chooseItem(dialog, IDC_MAPPING_LIST, configuration.mapping);
    if (configuration.policy >= 0) {
        chooseItem(dialog, IDC_POLICY_LIST, configuration.policy);
    }
    chooseItem(dialog, IDC_WORK_MODE_LIST, configuration.mode);
    setFieldText(dialog, IDC_SET_COUNT, configuration.sets);
    setFieldText(dialog, IDC_ITERATION_COUNT, configuration.iterations);
}

void setAndStart(HWND dialog) {
    clickButton(dialog, IDOK);
    clickButton(dialog, IDC_START_SIMULATION);
}

// One individual run per address, each continuing on the cache of the one before.
void runIndividually(HWND dialog, const Configuration& configuration,
                     const std::vector<const wchar_t*>& addresses) {
    fill(dialog, configuration);
    for (const wchar_t* address : addresses) {
        setFieldText(dialog, IDC_ADDRESS_0, address);
        setAndStart(dialog);
    }
}

void runSequence(HWND dialog, const Configuration& configuration,
                 const std::vector<const wchar_t*>& addresses) {
    fill(dialog, configuration);
    for (std::size_t field = 0; field < addresses.size(); ++field) {
        setFieldText(dialog, addressFieldIds[field], addresses[field]);
    }
    setAndStart(dialog);
}

const std::vector<const wchar_t*> givenAddresses{L"0",     L"20480", L"2048",  L"40960", L"0",
                                                 L"61440", L"20480", L"81920", L"2048",  L"0"};

bool driveInto(const std::string& scene, HWND dialog) {
    if (scene == "dialog-and-console" || scene == "individual-direct") {
        runIndividually(
            dialog,
            {L"1", L"16", L"1024", toInt(MappingMethod::Direct), -1, toInt(WorkMode::Individual), L"0", L"0"},
            {L"74565", L"5000", L"200000", L"74565", L"90949"});
    } else if (scene == "individual-associative") {
        runIndividually(dialog,
                        {L"1", L"16", L"4096", toInt(MappingMethod::Associative),
                         toInt(ReplacementPolicy::Lru), toInt(WorkMode::Individual), L"0", L"0"},
                        {L"74565", L"8192", L"300000", L"90000", L"74600", L"500000"});
    } else if (scene == "individual-set-associative") {
        runIndividually(dialog,
                        {L"1", L"16", L"2048", toInt(MappingMethod::SetAssociative),
                         toInt(ReplacementPolicy::Fifo), toInt(WorkMode::Individual), L"4", L"0"},
                        {L"74565", L"8192", L"300000", L"9000", L"532480", L"106496"});
    } else if (scene == "given-sequence") {
        runSequence(dialog,
                    {L"1", L"16", L"2048", toInt(MappingMethod::SetAssociative),
                     toInt(ReplacementPolicy::Lru), toInt(WorkMode::GivenSequence), L"2", L"1"},
                    givenAddresses);
    } else if (scene == "random-chart") {
        runSequence(dialog,
                    {L"1", L"16", L"1024", toInt(MappingMethod::Associative), toInt(ReplacementPolicy::Lru),
                     toInt(WorkMode::RandomSequence), L"0", L"100"},
                    {});
    } else if (scene == "given-chart") {
        runSequence(dialog,
                    {L"1", L"16", L"2048", toInt(MappingMethod::Direct), -1, toInt(WorkMode::GivenSequence),
                     L"0", L"5"},
                    givenAddresses);
    } else {
        return scene == "splash";
    }
    return true;
}

// The Help dialog over the main window, with the Configuration dialog of a direct individual run below.
bool driveIntoHelp(const std::string& scene, RemoteApplication& application, HWND dialog) {
    if (scene != "help" || !driveInto("individual-direct", dialog)) {
        return false;
    }
    sendRemoteCommand(application, IDM_HELP);
    return true;
}

bool fileExists(const char* path) {
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: scene_driver SCENE CONTINUE_FILE\n", stderr);
        return 64;
    }
    const std::string scene = argv[1];
    RemoteApplication application = startRemoteApplication(StartMode::WithoutStandardHandles);
    if (application.mainWindow == nullptr) {
        std::fputs("scene_driver: the program did not start\n", stderr);
        return 1;
    }
    const HWND dialog = scene == "splash" ? nullptr : openRemoteConfigurationDialog(application);
    if (!driveInto(scene, dialog) && !driveIntoHelp(scene, application, dialog)) {
        std::fprintf(stderr, "scene_driver: unknown scene \"%s\"\n", scene.c_str());
        closeRemoteApplication(application);
        return 64;
    }
    Sleep(500); // let the console and the windows finish drawing
    std::puts("ready");
    std::fflush(stdout);
    for (int wait = 0; wait < 1200 && !fileExists(argv[2]); ++wait) {
        Sleep(100);
    }
    PostMessageW(application.mainWindow, WM_COMMAND, IDM_EXIT, 0);
    const DWORD exitCode = waitForRemoteExit(application, 10000);
    closeRemoteApplication(application);
    return exitCode == 0 ? 0 : 1;
}
