#pragma once

#include "app_harness.h"

#include <gtest/gtest.h>

// Every test starts from a freshly started application: records at their start-up values, no dialog, no
// console.
class Application : public ::testing::Test {
  protected:
    void SetUp() override { resetApplication(); }
    void TearDown() override { resetApplication(); }
};

// The worked example typed into a new Configuration dialog: 1 MB, 16 KB, 1024-byte blocks, direct mapping,
// one individual access to 74565.
void typeWorkedExample();
