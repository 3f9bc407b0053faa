#pragma once

#include "view/scene_commands.h"
#include "view/view_layout.h"

// The bookkeeping of every block after the individual step, as text in the place of the cache panel's column
// 0.
void drawBookkeepingColumn(int blockCount, const ViewLayout& layout, Scene& scene);
