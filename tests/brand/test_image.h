// A small PE image made in memory and laid out as the linker lays out the
// launcher: code (holding a debug directory), the resource section, then the
// base relocations and a debugging section whose long name lives in the COFF
// string table after the symbol table. A relocation block and the debug
// directory point into the debugging section, so that moving it shows.
#pragma once

#include <string>

#include "brand/little_endian.h"
#include "brand/resource_tree.h"

enum class ImageKind { kPe32, kPe32Plus };

constexpr std::uint32_t kTestResourceAddress = 0x2000;
constexpr std::uint32_t kTestSectionAlignment = 0x1000;
constexpr std::uint32_t kTestFileAlignment = 0x200;
constexpr std::size_t kTestCodeSize = 0x200;
constexpr char kTestDebugName[] = ".debug_info";
constexpr char kTestDebugContents[] = "DWARF, as it were";

Bytes TestImage(ImageKind kind, const ResourceTree& resources);

// What the tests read back from an image, found as any reader finds it.
struct SectionFields {
  std::uint32_t virtualSize = 0, address = 0, rawSize = 0, rawOffset = 0;
};
// The section of that name; a long name is looked up in the string table.
SectionFields SectionNamed(const Bytes& image, const std::string& name);
std::size_t OptionalHeader(const Bytes& image);
std::size_t DataDirectory(const Bytes& image, std::size_t index);
// The debug directory's one entry, inside the code section.
std::size_t DebugEntry(const Bytes& image);
// The second relocation block, whose page lies in the debugging section.
std::size_t DebugRelocationBlock(const Bytes& image);
