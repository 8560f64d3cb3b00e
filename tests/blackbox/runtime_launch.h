// A scenario program (tests/scenarios) run by the launcher on every runtime
// the platform offers: the test VM library, and on Linux the real JVM too.
// The program's standard output goes to a file, which a test can watch while
// the launcher runs.
#pragma once

#include <gtest/gtest.h>

#include <future>
#include <string>
#include <vector>

#include "harness.h"

class RuntimeLaunch : public ::testing::TestWithParam<std::string> {
 protected:
  RuntimeLaunch();

  // The settings file: the program's main class, the runtime under test, the
  // scenario jar as class path, and these lines in section "Application".
  void settings(const std::string& mainClass, const std::string& applicationLines) const;

  std::future<RunResult> start(const std::vector<std::string>& arguments = {}) const;
  RunResult run(const std::vector<std::string>& arguments = {}) const { return start(arguments).get(); }

  // The program's standard output so far, with "\n" line ends.
  std::string output() const;
  void awaitOutput(const std::string& line) const;

  ScratchFolder folder_;
  std::string launcher_ = InstallLauncher(folder_);
};

// The runtime folders to run with, and a test name for each.
std::vector<std::string> RuntimesUnderTest();
std::string RuntimeName(const ::testing::TestParamInfo<std::string>& runtime);
