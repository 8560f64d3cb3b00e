// Single-instance mode on POSIX systems, where a socket joins the instances:
// every argument arrives exactly as given, whatever the length, and a socket
// left behind by a first instance that was killed does not stand in the way.
#include <signal.h>

#include "running_process_posix.h"
#include "single_instance_launch.h"

namespace {

using Lines = std::vector<std::string>;

class SingleInstanceSocket : public SingleInstanceLaunch {};

TEST_F(SingleInstanceSocket, ArgumentsArriveExactly) {
  application(kIntSecondaryMain);
  startFirst();
  EXPECT_EQ(startLater({}).exitCode, 7);
  EXPECT_EQ(startLater({"a", "", "b"}).exitCode, 7);
  EXPECT_EQ(startLater({std::string(100000, 'x')}).exitCode, 7);
  EXPECT_EQ(servedArguments(), (Lines{"{}", "{[a] [] [b]}", "{[" + std::string(100000, 'x') + "]}"}));
  endFirst();
}

TEST_F(SingleInstanceSocket, KilledFirstInstanceLeavesTheNextStartToBeFirst) {
  application(kIntSecondaryMain);
  startFirst();
  SignalProgram(launcher_, SIGKILL);  // no teardown, no exit handler: its socket stays
  EXPECT_EQ(first_.get().exitCode, 128 + SIGKILL);
  folder_.write("events.log", "");
  startFirst();  // a first instance again: its main runs
  EXPECT_EQ(startLater({"a"}).exitCode, 7);
  EXPECT_EQ(endFirst().exitCode, 0);
}

}  // namespace
