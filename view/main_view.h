#pragma once

#include <windows.h>

// The four pictures of the main view: the title splash and the diagrams of the direct, associative and
// set-associative mappings.
inline constexpr int diagramBitmapCount = 4;
extern HBITMAP diagramBitmaps[diagramBitmapCount];

// Loads the pictures from the program's resources for one paint, and releases them after it.
void loadDiagramBitmaps();
void releaseDiagramBitmaps();

// Draws the scene of the last run, or the title splash while no results are ready, on the paint DC.
void paintMainView(HDC dc, const PAINTSTRUCT& paint);
