// What single-instance mode carries on POSIX systems, where a socket joins
// the instances: every argument exactly as given, whatever the length.
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

}  // namespace
