#include <gtest/gtest.h>

#include "dialog/dialog_placement.h"

namespace {

struct PlacementCase {
  const char* what;
  ScreenRect dialog, reference;
  ScreenPoint expected;
};

TEST(DialogPlacement, CentresOnTheReferenceAndStaysInsideTheWorkArea) {
  const ScreenRect workArea{0, 0, 1024, 740};
  const PlacementCase cases[] = {
      {"on the work area", {0, 0, 330, 240}, workArea, {347, 250}},
      {"on an owner", {0, 0, 330, 240}, {100, 100, 500, 400}, {135, 130}},
      {"an owner at the right edge", {0, 0, 330, 240}, {900, 100, 1100, 300}, {694, 80}},
      {"an owner below the bottom", {0, 0, 330, 240}, {100, 700, 300, 900}, {35, 500}},
      {"an owner above and left of the screen", {0, 0, 330, 240}, {-500, -400, -100, -100}, {0, 0}},
      {"a dialog wider than the work area", {0, 0, 1200, 240}, workArea, {0, 250}},
      {"a dialog taller than the work area", {0, 0, 330, 900}, workArea, {347, 0}},
  };
  for (const PlacementCase& c : cases) {
    ScreenPoint at = CentredPosition(c.dialog, c.reference, workArea);
    EXPECT_EQ(at.x, c.expected.x) << c.what;
    EXPECT_EQ(at.y, c.expected.y) << c.what;
  }
}

TEST(DialogPlacement, KeepsInsideAWorkAreaThatDoesNotStartAtTheOrigin) {
  const ScreenRect secondScreen{1024, 40, 2048, 808};  // a task bar along its top
  ScreenPoint at = CentredPosition({0, 0, 300, 200}, {1900, 0, 2100, 100}, secondScreen);
  EXPECT_EQ(at.x, 1748);
  EXPECT_EQ(at.y, 40);
}

}  // namespace
