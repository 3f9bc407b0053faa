#pragma once

#include "view/scene_commands.h"

#include <windows.h>

// The four pictures of the main view, indexed by ScenePicture: the title splash and the diagrams of the
// direct, associative and set-associative mappings, in the order of their resources.
inline constexpr int diagramBitmapCount = 4;
extern HBITMAP diagramBitmaps[diagramBitmapCount];

// The loaded picture of a scene's picture id; null while the pictures are not loaded.
HBITMAP diagramBitmap(ScenePicture picture);

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
