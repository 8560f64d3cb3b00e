// What the shared block of single-instance mode carries on Windows: a list of
// arguments up to the area's capacity in the area itself, a longer one in a
// mapping the area names. Either way every argument arrives whole.
#include "instance/argument_area.h"
#include "single_instance_launch.h"

namespace {

using Lines = std::vector<std::string>;

class SingleInstanceArea : public SingleInstanceLaunch {};

TEST_F(SingleInstanceArea, ListsOnEitherSideOfTheAreasCapacityArriveWhole) {
  application(kIntSecondaryMain);
  startFirst();
  // Each argument takes its length and a zero byte.
  const std::string fits(kAreaListCapacity - 1, 'x'), beyond(kAreaListCapacity, 'y');
  EXPECT_EQ(startLater({fits}).exitCode, 7);
  EXPECT_EQ(startLater({beyond}).exitCode, 7);
  EXPECT_EQ(startLater({std::string(600, 'x'), std::string(439, 'y')}).exitCode, 7);
  EXPECT_EQ(servedArguments(), (Lines{"{[" + fits + "]}", "{[" + beyond + "]}",
                                      "{[" + std::string(600, 'x') + "] [" + std::string(439, 'y') + "]}"}));
  EXPECT_EQ(endFirst().exitCode, 0);
}

}  // namespace
