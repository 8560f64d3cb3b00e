#include "dialog/dialog_placement.h"

#include <algorithm>

namespace {

// One axis: centre, then the far edge back in, then the near edge (which wins).
long Place(long size, long referenceStart, long referenceEnd, long areaStart, long areaEnd) {
  long start = referenceStart + (referenceEnd - referenceStart - size) / 2;
  start = std::min(start, areaEnd - size);
  return std::max(start, areaStart);
}

}  // namespace

ScreenPoint CentredPosition(const ScreenRect& dialog, const ScreenRect& reference, const ScreenRect& workArea) {
  return {Place(dialog.right - dialog.left, reference.left, reference.right, workArea.left, workArea.right),
          Place(dialog.bottom - dialog.top, reference.top, reference.bottom, workArea.top, workArea.bottom)};
}
