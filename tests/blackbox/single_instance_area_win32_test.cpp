// What the shared block of single-instance mode can carry on Windows: an
// empty list arrives as one empty argument, and arguments beyond the block's
// 1040 bytes are refused.
#include "single_instance_launch.h"

namespace {

using Lines = std::vector<std::string>;

class SingleInstanceArea : public SingleInstanceLaunch {};

TEST_F(SingleInstanceArea, NoArgumentsArriveAsOneEmptyString) {
  application(kIntSecondaryMain);
  startFirst();
  EXPECT_EQ(startLater({}).exitCode, 7);
  EXPECT_EQ(servedArguments(), Lines{"{[]}"});
  endFirst();
}

TEST_F(SingleInstanceArea, TooLongArgumentsEndTheLaterStartWithFailureAndLeaveTheFirstAlone) {
  application(kIntSecondaryMain);
  startFirst();
  // Each argument takes its length and a zero byte, the list one more zero
  // byte: 1038 characters fill the 1040 bytes.
  EXPECT_EQ(startLater({std::string(600, 'x'), std::string(439, 'y')}).exitCode, -1);
  EXPECT_EQ(startLater({std::string(1039, 'x')}).exitCode, -1);
  EXPECT_EQ(startLater({std::string(1038, 'x')}).exitCode, 7);
  EXPECT_EQ(servedArguments(), Lines{"{[" + std::string(1038, 'x') + "]}"});
  EXPECT_EQ(endFirst().exitCode, 0);
}

}  // namespace
