#pragma once

// Where the status console stands, what it is called and how tall it is, for every front-end that shows one:
// beside the main window (whose right edge is x = 925), taller when the full report of a run follows.
inline constexpr const char* consoleTitle = "TARVEL_CACHE Console";
inline constexpr int consoleLeft = 925;
inline constexpr int consoleTop = 5;
inline constexpr int consoleWidth = 370;
inline constexpr int fullReportConsoleHeight = 775;
inline constexpr int shortReportConsoleHeight = 535;

// The height for the records as they are now: the full report needs a valid configuration that has run.
int consoleHeight();
