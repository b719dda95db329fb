#pragma once
// A test fixture whose body runs with a fresh temporary folder as the current folder, so
// that data lookups see only what the test puts there and the bundled data.

#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

class InTemporaryFolder : public ::testing::Test {
  protected:
    InTemporaryFolder() { std::filesystem::current_path(dir.path()); }
    ~InTemporaryFolder() override { std::filesystem::current_path(previous); }
    std::filesystem::path previous = std::filesystem::current_path();
    TempDir dir;
};
