#include "gdi_object_probe.h"

#include <windows.h>

#include <vector>

namespace {

constexpr std::size_t probeLimit = 100000; // beyond any per-process quota

} // namespace

int freeGdiObjectSlots() {
    std::vector<HPEN> pens;
    pens.reserve(probeLimit);
    while (pens.size() < probeLimit) {
        const HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
        if (pen == nullptr) {
            break;
        }
        pens.push_back(pen);
    }
    for (HPEN pen : pens) {
        DeleteObject(pen);
    }
    return static_cast<int>(pens.size());
}
