// A library file cut short is refused before the dynamic loader maps it.
#include <elf.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "support/elf_image_posix.h"

namespace {

// A 64-bit ELF image of size bytes: its header, then two segment headers, a
// note that needs no mapping and a loadable segment of the given extent.
std::string Image(std::size_t size, Elf64_Off loadOffset, Elf64_Xword loadSize) {
  Elf64_Ehdr header{};
  std::memcpy(header.e_ident, ELFMAG, SELFMAG);
  header.e_ident[EI_CLASS] = ELFCLASS64;
  header.e_phoff = sizeof header;
  header.e_phentsize = sizeof(Elf64_Phdr);
  header.e_phnum = 2;
  Elf64_Phdr segments[2]{};
  segments[0].p_type = PT_NOTE;
  segments[0].p_offset = 1 << 30;
  segments[0].p_filesz = 1 << 30;
  segments[1].p_type = PT_LOAD;
  segments[1].p_offset = loadOffset;
  segments[1].p_filesz = loadSize;
  std::string image(reinterpret_cast<const char*>(&header), sizeof header);
  image.append(reinterpret_cast<const char*>(segments), sizeof segments);
  image.resize(size, '\x90');
  return image;
}

bool IsWhole(const std::string& bytes) {
  return ElfImageIsWhole(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

TEST(ElfImage, AnImageCutAnywhereIsRefusedAndOtherFilesAreLeftToTheLoader) {
  const std::size_t headers = sizeof(Elf64_Ehdr) + 2 * sizeof(Elf64_Phdr);
  EXPECT_TRUE(IsWhole(Image(8192, 0, 8192)));
  EXPECT_TRUE(IsWhole(Image(9000, 4096, 4096)));  // bytes after the last segment are not mapped
  EXPECT_FALSE(IsWhole(Image(8191, 0, 8192)));
  EXPECT_FALSE(IsWhole(Image(8192, ~Elf64_Off{0} - 10, 20)));          // an offset that wraps around
  EXPECT_FALSE(IsWhole(Image(8192, 0, 8192).substr(0, headers - 1)));  // a segment header cut
  EXPECT_FALSE(IsWhole(Image(8192, 0, 8192).substr(0, 40)));           // the file header cut
  EXPECT_TRUE(ElfImageIsWhole(nullptr, 0));
  for (const std::string other : {"", "text", "MZ\x90",
                                  "\x7F"
                                  "ELF\x01\x01"})
    EXPECT_TRUE(IsWhole(other)) << other;
}

}  // namespace
