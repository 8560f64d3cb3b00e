#include "brand/ico_file.h"

#include <string>

namespace {

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::uint16_t kIconType = 1;

}  // namespace

Result<IconFile> ParseIconFile(const Bytes& file) {
  if (file.size() < kDirectorySize || ReadU16(file, 0) != 0 || ReadU16(file, 2) != kIconType)
    return Failure{"not an icon file"};
  const std::size_t count = ReadU16(file, 4);
  if (count == 0) return Failure{"the icon file holds no image"};
  if (!Fits(file.size(), kDirectorySize, count * kEntrySize))
    return Failure{"the icon file's image directory is cut short (" + std::to_string(count) + " images)"};

  IconFile icon;
  for (std::size_t k = 0; k < count; ++k) {
    const std::size_t entry = kDirectorySize + k * kEntrySize;
    const std::uint32_t size = ReadU32(file, entry + 8), offset = ReadU32(file, entry + 12);
    if (size == 0 || !Fits(file.size(), offset, size))
      return Failure{"image " + std::to_string(k + 1) + " of the icon file lies past its end"};
    IconImage image;
    image.header = {file[entry],     file[entry + 1],          file[entry + 2],
                    file[entry + 3], ReadU16(file, entry + 4), ReadU16(file, entry + 6)};
    image.data.assign(file.begin() + offset, file.begin() + offset + size);
    icon.images.push_back(std::move(image));
  }
  return icon;
}
