// The image header checks on any bytes: no read outside the file, a machine
// type only for what starts like a PE or a little-endian ELF image, and only
// 64-bit ELF images judged cut short.
#include <memory>

#include "fuzz_text.h"
#include "runtime/library_machine.h"
#include "support/elf_image_posix.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  // A copy of exactly the file's size, so that reading past it is caught.
  std::unique_ptr<unsigned char[]> image(new unsigned char[size]);
  std::memcpy(image.get(), bytes, size);
  const std::optional<std::uint16_t> machine = ImageMachineType(image.get(), size);
  const bool isPe = size >= 2 && bytes[0] == 'M' && bytes[1] == 'Z';
  const bool isElf = size >= 6 &&
                     std::memcmp(bytes,
                                 "\x7F"
                                 "ELF",
                                 4) == 0 &&
                     bytes[5] == 1;
  if (machine) FUZZ_CHECK(isPe || isElf);
  const bool isElf64 = size >= 5 && std::memcmp(bytes,
                                                "\x7F"
                                                "ELF\x02",
                                                5) == 0;
  if (!ElfImageIsWhole(image.get(), size)) FUZZ_CHECK(isElf64);
  return 0;
}
