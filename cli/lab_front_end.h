#pragma once

#include <cstdio>
#include <span>
#include <string_view>

// The exit statuses of tarvel_cache_lab: 0 done, 2 a level cannot be built, 64 a usage error, 65 a trace line
// cannot be read or the trace holds no access, 66 the trace cannot be opened or read, 74 the output cannot be
// written.
inline constexpr int labExitLevel = 2;
inline constexpr int labExitUsage = 64;
inline constexpr int labExitTrace = 65;
inline constexpr int labExitNoInput = 66;
inline constexpr int labExitOutput = 74;

// One command line of tarvel_cache_lab, without the program's name: reads the trace from the file it names,
// from in for "-", or from a built-in example, runs it and writes the result to out and every error line to
// err. After an error out holds nothing. Returns the exit status.
int runLabFrontEnd(std::span<const std::string_view> arguments, std::FILE* in, std::FILE* out, std::FILE* err);
