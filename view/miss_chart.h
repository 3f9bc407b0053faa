#pragma once

#include "language/language.h"
#include "view/scene_commands.h"
#include "view/view_layout.h"

// The pens of the chart, which the painter chooses.
struct ChartPens {
    ScenePen outcome; // the hit/miss line
    ScenePen grid;
    ScenePen rate; // the miss-rate curve
};

// The chart of a sequence run: axes, captions and tick labels, a dotted grid, the hit/miss outcome of every
// access as a black line and the running miss rate as a red curve. Reads missFlag and missRate.
void drawMissChart(const ViewLayout& layout, const ChartPens& pens, Scene& scene,
                   Language language = Language::Romanian);
