#include "dialog/hand_cursor.h"

#include <optional>

#include <string_view>

namespace {

// X black, o white, anything else transparent; rows and columns not drawn
// here are transparent.
constexpr std::string_view kHandPicture[] = {
    ".....XX..........",  //
    "....XooX.........",  //
    "....XooX.........",  //
    "....XooX.........",  //
    "....XooX.........",  //
    "....XooXXX.......",  //
    "....XooXooXXX....",  //
    "....XooXooXooXX..",  //
    "....XooXooXooXoX.",  //
    "XXX.XooXooXooXooX",  //
    "XooXXooooooooXooX",  //
    "XoooXoooooooooooX",  //
    ".XooXoooooooooooX",  //
    "..XoXoooooooooooX",  //
    "..XoooooooooooooX",  //
    "...XooooooooooooX",  //
    "...XoooooooooooX.",  //
    "....XooooooooooX.",  //
    "....XooooooooooX.",  //
    ".....XooooooooX..",  //
    ".....XooooooooX..",  //
    ".....XXXXXXXXXX..",  //
};

CursorPlanes Draw() {
  CursorPlanes planes;
  planes.andPlane.fill(0xFF);
  int row = 0;
  for (std::string_view line : kHandPicture) {
    for (size_t column = 0; column < line.size(); ++column) {
      size_t byte = row * CursorPlanes::kSize / 8 + column / 8;
      std::uint8_t bit = 0x80 >> (column % 8);
      if (line[column] != 'X' && line[column] != 'o') continue;
      planes.andPlane[byte] &= ~bit;
      if (line[column] == 'o') planes.xorPlane[byte] |= bit;
    }
    ++row;
  }
  return planes;
}

}  // namespace

// Drawn when the dialog first needs it, on the one thread that shows it.
const CursorPlanes& HandCursorPlanes() {
  static std::optional<CursorPlanes> planes;
  if (!planes) planes = Draw();
  return *planes;
}
