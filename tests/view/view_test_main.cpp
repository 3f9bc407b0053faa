#include "runner_output.h"

#include "windows/shell_state.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    keepRunnerOutputOnOriginalStdout();
    appInstance = GetModuleHandleW(nullptr); // the painter's pictures come from this executable's resources
    return RUN_ALL_TESTS();
}
