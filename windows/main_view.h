#pragma once

#include "windows/diagram_bitmaps.h"

#include <windows.h>

// Draws the scene of the last run, or the title splash while no results are ready, laid out for the client
// rectangle (0, 0, W, H) that the DC covers: the main window's paint DC, or any DC of that size. The pictures
// must be loaded (LoadedDiagramBitmaps).
void paintMainView(HDC dc, const RECT& client);
