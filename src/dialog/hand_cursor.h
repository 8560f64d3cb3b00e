// The link's hand cursor, drawn here rather than taken from the system so
// that it looks the same everywhere.
#pragma once

#include <array>
#include <cstdint>

struct CursorPlanes {
  static constexpr int kSize = 32;                    // pixels each way; 4 bytes a row, leftmost pixel in the top bit
  static constexpr int kHotSpotX = 5, kHotSpotY = 0;  // the fingertip

  std::array<std::uint8_t, kSize * kSize / 8> andPlane{};
  std::array<std::uint8_t, kSize * kSize / 8> xorPlane{};
};

// Black pixels have both bits clear, white ones only the XOR bit set,
// transparent ones only the AND bit set.
const CursorPlanes& HandCursorPlanes();
