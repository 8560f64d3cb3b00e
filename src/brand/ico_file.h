// An .ico file: a directory of images, each a PNG or a BMP without its file
// header, kept byte for byte.
#pragma once

#include <cstdint>
#include <vector>

#include "brand/little_endian.h"
#include "brand/result.h"

// The fields that an .ico directory entry and an icon group entry share.
struct IconImageHeader {
  std::uint8_t width = 0, height = 0;  // 0 stands for 256
  std::uint8_t colorCount = 0, reserved = 0;
  std::uint16_t planes = 0, bitCount = 0;
};

struct IconImage {
  IconImageHeader header;
  Bytes data;
};

struct IconFile {
  std::vector<IconImage> images;
};

// Refuses what is not an icon file with at least one image (a cursor file too),
// a directory cut short and images that lie past the end of the file.
Result<IconFile> ParseIconFile(const Bytes& file);
