#pragma once

#include "view/scene_commands.h"

#include <windows.h>

// Replays a recorded scene on a DC with GDI, in the order of its commands. Every pen, font, brush and memory
// DC it makes is released before it returns, and the DC's own objects, colours and mode are put back. The
// pictures are those loaded by LoadedDiagramBitmaps; one that is not loaded draws nothing.
void replayScene(HDC dc, const Scene& scene);
