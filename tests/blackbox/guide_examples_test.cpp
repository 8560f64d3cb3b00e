// The shipping guide's example settings files, each run as the guide lays
// out its product: the console tool and the bundled runtime here, the
// desktop application and the services beside the tests of their modes.
#include <gtest/gtest.h>

#include "guide_examples.h"
#include "hosted_launch.h"
#include "runtime_launch.h"

namespace {

TEST(Guide, EveryExampleSettingsFileIsRunByATest) {
  // The examples that the tests run, in the guide's order: a new example
  // needs a test, and every settings file in the guide is an example.
  const std::vector<std::string> tested = {"console-tool", "bundled-runtime", "desktop-application (Windows)",
                                           "windows-service (Windows)", "linux-service (Linux)"};
  EXPECT_EQ(GuideExampleNames(), tested);
}

class GuideExamples : public ::testing::TestWithParam<std::string> {
 protected:
  ScratchFolder folder_;
};

// Its runtime is found as installed (the one JAVA_HOME names ranks above any
// on this machine by its version), and Cmd follows the command line.
TEST_P(GuideExamples, ConsoleToolRunsOnAnInstalledRuntime) {
  const std::string tool = InstallProduct(folder_, "console-tool", "Acme Tool/tool");
  const std::string jdk = PlaceRuntime(folder_, "jdk-99", GetParam(), "99.0.1");
  RunOptions options = OptionsForRuntime(GetParam());
  options.environment["JAVA_HOME"] = jdk;
  options.arguments = {"report.txt", "two words"};
  const RunResult run = RunProgram(tool, options);
  EXPECT_EQ(run.exitCode, 3) << run.error;
  EXPECT_EQ(run.output, Lines({"tool", "args 3", "arg 0 [report.txt]", "arg 1 [two words]", "arg 2 [--color=auto]",
                               "property tool.mode [batch]", "env ZQ_JVM_HOME [" + jdk + "]"}));
}

// The runtime beside the executable is taken before any installed one.
TEST_P(GuideExamples, BundledRuntimeIsTakenFromBesideTheExecutable) {
  const std::string tool = InstallProduct(folder_, "bundled-runtime", "Acme Tool/tool");
  const std::string runtime = PlaceRuntime(folder_, "Acme Tool/runtime", GetParam());
  RunOptions options = OptionsForRuntime(GetParam());
  options.environment["JAVA_HOME"] = PlaceRuntime(folder_, "jdk-99", GetParam(), "99.0.1");
  const RunResult run = RunProgram(tool, options);
  EXPECT_EQ(run.exitCode, 3) << run.error;
  EXPECT_EQ(run.output, Lines({"tool", "args 0", "property tool.mode [batch]", "env ZQ_JVM_HOME [" + runtime + "]"}));
}

INSTANTIATE_TEST_SUITE_P(Runtimes, GuideExamples, ::testing::ValuesIn(RuntimesUnderTest()), RuntimeName);

}  // namespace
