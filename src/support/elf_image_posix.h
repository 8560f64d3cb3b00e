// A check of a shared library's file before the dynamic loader maps it.
#pragma once

#include <cstddef>

// False when image (size bytes, the whole file) is a 64-bit ELF image whose
// headers or loadable segments reach past its end: the loader would map
// them, and touching the missing part ends the process with SIGBUS. Any
// other file passes, for the loader itself to judge.
bool ElfImageIsWhole(const unsigned char* image, std::size_t size);
