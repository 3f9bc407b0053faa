// tarvel_cache_lab: runs a trace through a cache hierarchy and prints what each level did.

#include "cli/lab_front_end.h"

#include <cstdio>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    return runLabFrontEnd(arguments, stdin, stdout, stderr);
}
