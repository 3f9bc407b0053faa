#pragma once

#include "view/view_layout.h"

#include <windows.h>

// The chart of a sequence run: axes, captions and tick labels, a dotted grid, the hit/miss outcome of every
// access as a black line and the running miss rate as a red curve. Reads missFlag and missRate; the DC's pen
// is put back before it returns, so the caller may delete the three pens at once.
void drawMissChart(HDC dc, const ViewLayout& layout, HPEN outcomePen, HPEN gridPen, HPEN ratePen);
