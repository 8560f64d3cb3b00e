// Single-instance mode on every runtime: a later start is served by the
// first instance's secondaryMain, or ends with the first instance.
#include <chrono>

#include "runtime_launch.h"

namespace {

class SingleInstanceRuntimes : public RuntimeLaunch {
 protected:
  void release() const { folder_.write("release", ""); }
};

TEST_P(SingleInstanceRuntimes, LaterStartsAreServedBySecondaryMain) {
  settings("scenario.Instance", "Single Instance=yes\n");
  std::future<RunResult> first = start({"x"});
  awaitOutput("arg 0 [x]");
  EXPECT_EQ(run({"a", "b c", "\u00e9"}).exitCode, 7);
  EXPECT_EQ(run({"d"}).exitCode, 7);
  release();
  EXPECT_EQ(first.get().exitCode, 0);
  EXPECT_EQ(output(),
            "main\nargs 1\narg 0 [x]\n"
            "secondaryMain\nargs 3\narg 0 [a]\narg 1 [b c]\narg 2 [\\u00e9]\n"
            "secondaryMain\nargs 1\narg 0 [d]\n"
            "main ends\n");
}

TEST_P(SingleInstanceRuntimes, WithoutSecondaryMainTheLaterStartEndsWithTheFirstOne) {
  settings("scenario.Lone", "Single Instance=yes\n");
  std::future<RunResult> first = start();
  awaitOutput("main");
  std::future<RunResult> later = start({"a"});
  EXPECT_EQ(later.wait_for(std::chrono::milliseconds(500)), std::future_status::timeout);
  release();
  EXPECT_EQ(first.get().exitCode, 5);  // System.exit
  EXPECT_EQ(later.get().exitCode, 5);
}

INSTANTIATE_TEST_SUITE_P(Runtimes, SingleInstanceRuntimes, ::testing::ValuesIn(RuntimesUnderTest()), RuntimeName);

}  // namespace
