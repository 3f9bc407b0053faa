#pragma once

#include "view/view_layout.h"

#include <windows.h>

// The bookkeeping of every block after the individual step, as text in the place of the cache panel's column
// 0.
void drawBookkeepingColumn(int blockCount, const ViewLayout& layout, HDC dc);
