#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

#include "dialog/hand_cursor.h"

namespace {

std::uint32_t Row(const std::array<std::uint8_t, 128>& plane, int row) {
  return std::uint32_t{plane[row * 4]} << 24 | plane[row * 4 + 1] << 16 | plane[row * 4 + 2] << 8 | plane[row * 4 + 3];
}

struct Rows {
  int first, last;
  std::uint32_t andBits, xorBits;
};

TEST(HandCursor, BitPlanesDrawTheHandRowByRow) {
  const Rows table[] = {
      {0, 0, 0xF9FFFFFF, 0x00000000},   {1, 4, 0xF0FFFFFF, 0x06000000},   {5, 5, 0xF03FFFFF, 0x06000000},
      {6, 6, 0xF007FFFF, 0x06C00000},   {7, 7, 0xF001FFFF, 0x06D80000},   {8, 8, 0xF000FFFF, 0x06DA0000},
      {9, 9, 0x10007FFF, 0x06DB0000},   {10, 10, 0x00007FFF, 0x67FB0000}, {11, 11, 0x00007FFF, 0x77FF0000},
      {12, 12, 0x80007FFF, 0x37FF0000}, {13, 13, 0xC0007FFF, 0x17FF0000}, {14, 14, 0xC0007FFF, 0x1FFF0000},
      {15, 15, 0xE0007FFF, 0x0FFF0000}, {16, 16, 0xE000FFFF, 0x0FFE0000}, {17, 18, 0xF000FFFF, 0x07FE0000},
      {19, 20, 0xF801FFFF, 0x03FC0000}, {21, 21, 0xF801FFFF, 0x00000000}, {22, 31, 0xFFFFFFFF, 0x00000000},
  };
  const CursorPlanes& planes = HandCursorPlanes();
  int checked = 0;
  for (const Rows& rows : table) {
    for (int row = rows.first; row <= rows.last; ++row, ++checked) {
      EXPECT_EQ(Row(planes.andPlane, row), rows.andBits) << "AND row " << row;
      EXPECT_EQ(Row(planes.xorPlane, row), rows.xorBits) << "XOR row " << row;
    }
  }
  EXPECT_EQ(checked, CursorPlanes::kSize);
}

}  // namespace
