#pragma once

#include "view/diagram_bitmaps.h"

#include <windows.h>

// Draws the scene of the last run, or the title splash while no results are ready, on the paint DC, laid out
// for the client rectangle of mainWindow. The pictures must be loaded (loadDiagramBitmaps).
void paintMainView(HDC dc, const PAINTSTRUCT& paint);

// The same for a given client rectangle, (0, 0, W, H): the DC may be any DC of that size.
void paintMainViewInto(HDC dc, const RECT& client);
