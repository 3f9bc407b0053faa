#pragma once

#include <cstdio>
#include <span>
#include <string_view>

// The exit statuses of a command: 0 done, 2 a configuration did not validate, 64 a usage error, 74 the output
// could not be written.
inline constexpr int exitInvalidConfiguration = 2;
inline constexpr int exitUsage = 64;
inline constexpr int exitOutputFailed = 74;

// One command line of tarvel_cache_text, without the program's name: parses it, performs what it asks on the
// process's records and writes the report to out and the error lines to err. Returns the exit status. It
// performs on the records as they stand, as the program does on its start-up records.
int runTextFrontEnd(std::span<const std::string_view> arguments, std::FILE* out, std::FILE* err);
