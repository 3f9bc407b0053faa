#include "runner_output.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    keepRunnerOutputOnOriginalStdout();
    return RUN_ALL_TESTS();
}
