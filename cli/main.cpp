// tarvel_cache_text: performs what a user does in the Configuration dialog and prints what the console shows.

#include "cli/text_front_end.h"

#include <cstdio>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    return runTextFrontEnd(arguments, stdout, stderr);
}
