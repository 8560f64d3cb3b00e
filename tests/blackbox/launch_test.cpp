#include <gtest/gtest.h>

#include "harness.h"

namespace {

TEST(Launch, WithoutSettingsFileReportsMissingMainClass) {
  TestFolder folder;
  RunResult run = RunProgram(folder.installLauncher());
  EXPECT_EQ(run.output, "Error: Main class was not specified in INI file. " + LineEnd());
  EXPECT_EQ(run.exitCode, -1);
}

}  // namespace
