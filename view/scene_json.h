#pragma once

#include "view/scene_commands.h"

#include <string>

// The scene as JSON Lines: one command a line, in order, every field named (a pen's gaps only for a dotted
// pen, which has them). Colours are "#rrggbb"; texts are UTF-8 with JSON's escapes. The text front-end prints
// it and the page replays it.
std::string sceneJsonLines(const Scene& scene);
