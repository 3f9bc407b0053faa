// Time of painting each scene of the main view under Wine, beside the floor of one full-client BitBlt, and of
// START SIMULARE up to the painted result. Prints medians in milliseconds.

#include "app/main_window.h"
#include "config/cache_config.h"
#include "dialog/dialog_buttons.h"
#include "engine/random_source.h"
#include "resources/resource_ids.h"
#include "windows/main_view.h"
#include "windows/shell_state.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int clientWidth = 904; // the client area on Windows 10
constexpr int clientHeight = 466;
constexpr int repetitions = 1000;

struct Scene {
    const char* name;
    MappingMethod method;
    WorkMode mode;
    int iterations;
};

// 1 MB of RAM, 16 KB of cache in 1024-byte blocks: 16 blocks, in 4 sets when set-associative.
const Scene scenes[] = {
    {"individual, direct", MappingMethod::Direct, WorkMode::Individual, 0},
    {"individual, associative", MappingMethod::Associative, WorkMode::Individual, 0},
    {"individual, set-associative", MappingMethod::SetAssociative, WorkMode::Individual, 0},
    {"given sequence run once", MappingMethod::Direct, WorkMode::GivenSequence, 1},
    {"random-sequence chart", MappingMethod::Associative, WorkMode::RandomSequence, 100},
    {"given-sequence chart", MappingMethod::SetAssociative, WorkMode::GivenSequence, 10},
};

// "Setare mod" with the scene typed in. A configuration that did not validate would paint nothing, so the
// benchmark stops there.
void configure(const Scene& scene) {
    DialogFields fields{.ram = "1",
                        .cache = "16",
                        .block = "1024",
                        .sets = "4",
                        .iterations = std::to_string(scene.iterations),
                        .mapping = toInt(scene.method),
                        .policy = toInt(ReplacementPolicy::Lru),
                        .mode = toInt(scene.mode)};
    for (std::uint32_t i = 0; i < addressFieldCount; ++i) {
        fields.addresses[i] = std::to_string((i * 7 % 24) * 1024 + i * 100); // some hits, many conflicts
    }
    pressSetareMod(fields);
    if (cacheConfig.configErrors != 0) {
        std::fprintf(stderr, "%s: the configuration does not validate (%#x)\n", scene.name,
                     cacheConfig.configErrors);
        std::exit(1);
    }
}

double nowMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMs;
}

template <typename Work> double medianMs(Work work) {
    std::vector<double> times;
    times.reserve(repetitions);
    for (int i = 0; i < repetitions; ++i) {
        const double start = nowMs();
        work();
        times.push_back(nowMs() - start);
    }
    std::nth_element(times.begin(), times.begin() + repetitions / 2, times.end());
    return times[repetitions / 2];
}

// A 904 x 466 client area in memory, as the tests paint it.
class MemoryClient {
  public:
    MemoryClient() {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = clientWidth;
        info.bmiHeader.biHeight = -clientHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        dc_ = CreateCompatibleDC(nullptr);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~MemoryClient() {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    MemoryClient(const MemoryClient&) = delete;
    MemoryClient& operator=(const MemoryClient&) = delete;

    HDC dc() const { return dc_; }

    // The window's background erase and the painter, as one paint of the main window does them.
    void paint() {
        const RECT client{0, 0, clientWidth, clientHeight};
        FillRect(dc_, &client, GetSysColorBrush(COLOR_WINDOW));
        paintMainView(dc_, client);
        GdiFlush();
    }

  private:
    HBITMAP bitmap_ = nullptr;
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

void printRow(const char* what, double ms) {
    std::printf("  %-40s %8.3f ms\n", what, ms);
}

void benchmarkPaints(MemoryClient& client) {
    std::printf("Paint into a 904 x 466 memory DC (median of %d; pictures loaded beforehand):\n",
                repetitions);
    const LoadedDiagramBitmaps pictures(appInstance);
    {
        MemoryClient source;
        printRow("floor: one BitBlt of the whole client", medianMs([&] {
                     BitBlt(client.dc(), 0, 0, clientWidth, clientHeight, source.dc(), 0, 0, SRCCOPY);
                     GdiFlush();
                 }));
    }
    configure(scenes[0]);
    printRow("splash", medianMs([&] { client.paint(); }));
    for (const Scene& scene : scenes) {
        configure(scene);
        pressStartSimulation();
        printRow(scene.name, medianMs([&] { client.paint(); }));
    }
    printRow("loading and releasing the four pictures",
             medianMs([] { const LoadedDiagramBitmaps reloaded(appInstance); }));
}

void benchmarkStartToPainted(MemoryClient& client) {
    std::printf("START SIMULARE to the painted result: runSimulation, then the paint (median of %d):\n",
                repetitions);
    {
        const LoadedDiagramBitmaps pictures(appInstance);
        for (const Scene& scene : scenes) {
            configure(scene);
            printRow(scene.name, medianMs([&] {
                         pressStartSimulation();
                         client.paint();
                     }));
        }
    }
    std::printf(
        "  ... and through the main window's own paint (pictures loaded per paint, 914 x 481 client):\n");
    for (const Scene& scene : scenes) {
        configure(scene);
        printRow(scene.name, medianMs([] {
                     pressStartSimulation({.repaint = [](void*) { repaintMainWindow(); }});
                     GdiFlush();
                 }));
    }
}

} // namespace

int main() {
    startMainWindow(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
    seedDeterministicRandom(1);
    MemoryClient client;
    benchmarkPaints(client);
    benchmarkStartToPainted(client);
    DestroyWindow(mainWindow);
    return 0;
}
