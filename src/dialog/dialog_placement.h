// Where a dialog goes on the screen: centred on a reference rectangle, then
// pushed back inside the work area.
#pragma once

struct ScreenRect {
  long left = 0, top = 0, right = 0, bottom = 0;
};

struct ScreenPoint {
  long x = 0, y = 0;
};

// The top-left corner for a dialog of the given rectangle's size, centred on
// reference and moved back inside workArea where it would stick out; where it
// is larger than the work area its left and top edges stay inside.
ScreenPoint CentredPosition(const ScreenRect& dialog, const ScreenRect& reference, const ScreenRect& workArea);
