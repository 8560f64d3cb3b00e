#include "support/elf_image_posix.h"

#include <elf.h>

#include <cstring>

namespace {

// Whether [offset, offset + length) lies within size, without overflow.
bool Within(std::size_t size, Elf64_Off offset, Elf64_Xword length) {
  return offset <= size && length <= size - offset;
}

}  // namespace

bool ElfImageIsWhole(const unsigned char* image, std::size_t size) {
  if (!image || size < EI_NIDENT || std::memcmp(image, ELFMAG, SELFMAG) != 0 || image[EI_CLASS] != ELFCLASS64)
    return true;
  Elf64_Ehdr header;
  if (size < sizeof header) return false;
  std::memcpy(&header, image, sizeof header);
  if (header.e_phnum == 0) return true;
  if (header.e_phentsize != sizeof(Elf64_Phdr) ||
      !Within(size, header.e_phoff, static_cast<Elf64_Xword>(header.e_phnum) * sizeof(Elf64_Phdr)))
    return false;
  for (Elf64_Half k = 0; k < header.e_phnum; ++k) {
    Elf64_Phdr segment;
    std::memcpy(&segment, image + header.e_phoff + k * sizeof segment, sizeof segment);
    if (segment.p_type == PT_LOAD && !Within(size, segment.p_offset, segment.p_filesz)) return false;
  }
  return true;
}
