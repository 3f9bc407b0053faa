#pragma once

// Where the program's windows stand on the screen, in pixels: the main window at its fixed place and size,
// the Configuration dialog just below it, the Help dialog over it (the console beside it is the console's
// own, report/console_frame.h). Plain numbers and no platform header, so that the page arranges its windows
// the same way.
struct WindowPlace {
    int x = 0;
    int y = 0;
};

inline constexpr WindowPlace mainWindowPlace{5, 5};
inline constexpr int mainWindowWidth = 920; // the outer size: frame, caption and menu bar included
inline constexpr int mainWindowHeight = 525;
inline constexpr WindowPlace configDialogPlace{35, 535};
inline constexpr WindowPlace helpDialogPlace{100, 75};
