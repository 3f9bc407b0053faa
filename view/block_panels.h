#pragma once

#include "view/scene_commands.h"
#include "view/view_layout.h"

// The cache panels: one column per trace index with a cell per cache block, and under them a strip of the RAM
// blocks looked up. In the individual mode column 0 holds the replacement bookkeeping as text instead.
void drawBlockPanels(int columnCount, int blockCount, const ViewLayout& layout, Scene& scene);
