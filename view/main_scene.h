#pragma once

#include "language/language.h"
#include "view/scene_commands.h"

// The main view of the records as they are now, laid out for the client rectangle (0, 0, W, H): the title
// splash while no results are ready, else the scene of the last run's work mode, or nothing when the
// configuration no longer validates. Recomputes the miss-rate series first, as every paint does; writes
// nothing else.
Scene recordMainView(const SceneRect& client);

// The same scene with its titles and captions in language, as the text front-end and the page show it in
// English; recordMainView is this in Romanian, as the Windows program draws it.
Scene recordMainViewIn(const SceneRect& client, Language language);

// The size of the main window's client area on Windows 10, for which the scene is laid out where no window
// gives another.
inline constexpr SceneRect standardClient{0, 0, 904, 466};
