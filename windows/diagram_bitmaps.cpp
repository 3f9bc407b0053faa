#include "windows/diagram_bitmaps.h"

#include "resources/resource_ids.h"
#include "windows/gdi_objects.h"

HBITMAP diagramBitmaps[diagramBitmapCount] = {};

static_assert(static_cast<int>(ScenePicture::SetAssociativeMapping) + 1 == diagramBitmapCount);

HBITMAP diagramBitmap(ScenePicture picture) {
    return diagramBitmaps[static_cast<int>(picture)];
}

LoadedDiagramBitmaps::LoadedDiagramBitmaps(HINSTANCE module) {
    const int ids[diagramBitmapCount] = {IDB_SPLASH, IDB_DIRECT_MAPPING, IDB_ASSOCIATIVE_MAPPING,
                                         IDB_SET_ASSOCIATIVE_MAPPING};
    for (int i = 0; i < diagramBitmapCount; ++i) {
        diagramBitmaps[i] = LoadBitmapW(module, MAKEINTRESOURCEW(ids[i]));
    }
}

LoadedDiagramBitmaps::~LoadedDiagramBitmaps() {
    for (HBITMAP& bitmap : diagramBitmaps) {
        if (bitmap != nullptr) {
            DeleteObject(bitmap);
            bitmap = nullptr;
        }
    }
}

void blitBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
    if (bitmap == nullptr) {
        return;
    }
    const MemoryDc source(dc);
    const ScopedSelection picture(source.get(), bitmap);
    BITMAP size{};
    GetObjectW(bitmap, sizeof size, &size);
    BitBlt(dc, x, y, size.bmWidth, size.bmHeight, source.get(), 0, 0, SRCCOPY);
}
