#pragma once

// The program under test binds descriptors 0 and 1 to each console it opens. Installing this keeps the test
// runner's own report on the output the test executable was started with.
void keepRunnerOutputOnOriginalStdout();
