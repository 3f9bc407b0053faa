#include "view/main_view.h"

#include "app/shell_state.h"
#include "resources/resource_ids.h"

HBITMAP diagramBitmaps[diagramBitmapCount] = {};

void loadDiagramBitmaps() {
    const int ids[diagramBitmapCount] = {IDB_SPLASH, IDB_DIRECT_MAPPING, IDB_ASSOCIATIVE_MAPPING,
                                         IDB_SET_ASSOCIATIVE_MAPPING};
    for (int i = 0; i < diagramBitmapCount; ++i) {
        diagramBitmaps[i] = LoadBitmapW(appInstance, MAKEINTRESOURCEW(ids[i]));
    }
}

void releaseDiagramBitmaps() {
    for (HBITMAP& bitmap : diagramBitmaps) {
        if (bitmap != nullptr) {
            DeleteObject(bitmap);
            bitmap = nullptr;
        }
    }
}

void paintMainView(HDC, const PAINTSTRUCT&) {}
