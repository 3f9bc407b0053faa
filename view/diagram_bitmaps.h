#pragma once

#include <windows.h>

// The four pictures of the main view: the title splash and the diagrams of the direct, associative and
// set-associative mappings, in the order of their resources.
enum DiagramBitmap : int {
    SplashBitmap = 0,
    DirectMappingBitmap = 1,
    AssociativeMappingBitmap = 2,
    SetAssociativeMappingBitmap = 3,
};
inline constexpr int diagramBitmapCount = 4;
extern HBITMAP diagramBitmaps[diagramBitmapCount];

// The pictures of one paint: loaded into diagramBitmaps from the module's resources when the guard is made,
// released and the entries emptied when it goes.
class LoadedDiagramBitmaps {
  public:
    explicit LoadedDiagramBitmaps(HINSTANCE module);
    ~LoadedDiagramBitmaps();
    LoadedDiagramBitmaps(const LoadedDiagramBitmaps&) = delete;
    LoadedDiagramBitmaps& operator=(const LoadedDiagramBitmaps&) = delete;
};

// Copies a bitmap at its own size to (x, y) of the DC. A bitmap that failed to load draws nothing.
void blitBitmap(HDC dc, HBITMAP bitmap, int x, int y);
