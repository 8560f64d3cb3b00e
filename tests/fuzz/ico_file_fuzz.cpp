// .ico files: any bytes are read without reading past them, an accepted file
// gives every image its directory names, byte for byte, and only a whole
// directory of images inside the file is accepted.
#include <cstdint>
#include <cstring>
#include <memory>

#include "brand/ico_file.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const Bytes file(bytes, bytes + size);
  const Result<IconFile> icon = ParseIconFile(file);
  const bool iconHeader = size >= 6 && ReadU16(file, 0) == 0 && ReadU16(file, 2) == 1 && ReadU16(file, 4) > 0;
  if (!icon.ok()) {
    FUZZ_CHECK(!icon.error().empty());
    if (!iconHeader || !Fits(size, 6, 16 * std::size_t{ReadU16(file, 4)})) return 0;
    bool whole = true;
    for (std::size_t k = 0; k < ReadU16(file, 4); ++k) {
      const std::uint32_t length = ReadU32(file, 6 + 16 * k + 8), offset = ReadU32(file, 6 + 16 * k + 12);
      whole = whole && length > 0 && Fits(size, offset, length);
    }
    FUZZ_CHECK(!whole);
    return 0;
  }
  FUZZ_CHECK(iconHeader);
  FUZZ_CHECK(icon.value().images.size() == ReadU16(file, 4));
  for (std::size_t k = 0; k < icon.value().images.size(); ++k) {
    const IconImage& image = icon.value().images[k];
    const std::size_t entry = 6 + 16 * k;
    FUZZ_CHECK(image.header.width == file[entry] && image.header.bitCount == ReadU16(file, entry + 6));
    FUZZ_CHECK(image.data.size() == ReadU32(file, entry + 8));
    FUZZ_CHECK(std::memcmp(image.data.data(), bytes + ReadU32(file, entry + 12), image.data.size()) == 0);
  }
  return 0;
}
