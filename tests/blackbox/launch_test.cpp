#include <gtest/gtest.h>

#include "harness.h"
#include "resources/missing_runtime_dialog.h"

namespace {

TEST(Launch, WithoutSettingsFileReportsMissingMainClass) {
  ScratchFolder folder;
  RunResult run = RunProgram(InstallLauncher(folder));
  EXPECT_EQ(run.output, "Error: Main class was not specified in INI file. " + LineEnd());
  EXPECT_EQ(run.exitCode, -1);
}

// Tests run without a display, so the user is told on standard output. No
// installed runtime is version 99 or later.
TEST(Launch, WithoutARuntimeTheRequirementAndTheDownloadAddressArePrinted) {
  ScratchFolder folder;
  std::string launcher = InstallLauncher(folder);
  folder.write("launcher.ini", "[Java Runtime Environment]\nMain Class=a.B\nMinimum Version=99\nJVM Type=server\n");
  RunResult run = RunProgram(launcher);
  EXPECT_EQ(run.output,
            "Error: The Java Runtime Environment (JRE) was not found. Please  download and install a JRE with a server "
            "JVM (minimum version 99.0) from: " JAVA_DOWNLOAD_ADDRESS " " +
                LineEnd());
  EXPECT_EQ(run.exitCode, -1);
}

}  // namespace
