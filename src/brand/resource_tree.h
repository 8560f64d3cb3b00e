// The resource section of an image as a tree of type, name and language, and
// back. Each level is a map ordered as the directory must be (names before
// numbers, names by their UTF-16 units, numbers ascending), since Windows
// finds an entry by binary search.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <variant>

#include "brand/little_endian.h"
#include "brand/result.h"

using ResourceId = std::variant<std::u16string, std::uint32_t>;

struct ResourceData {
  Bytes bytes;
  std::uint32_t codePage = 0;

  bool operator==(const ResourceData& other) const { return bytes == other.bytes && codePage == other.codePage; }
};

using LanguageTable = std::map<ResourceId, ResourceData>;
using NameTable = std::map<ResourceId, LanguageTable>;
using ResourceTree = std::map<ResourceId, NameTable>;

// Resource types of the Windows headers (RT_*).
enum ResourceType : std::uint32_t {
  kIconImageType = 3,
  kDialogType = 5,
  kStringTableType = 6,
  kIconGroupType = 14,
  kVersionType = 16,
  kManifestType = 24,
};

// The language that the resources the tool adds are in: US English, as the
// launcher's own.
constexpr std::uint16_t kUsEnglish = 0x0409;

// Puts data in the tree as the resource's one language, US English.
void SetResource(ResourceTree& tree, std::uint32_t type, const ResourceId& name, Bytes data);

// The section's bytes as the image holds them, and the section's address,
// which data entries give their data's place by. Refuses a tree that is not
// three levels deep, that points outside the section, or whose directories
// or data overlap.
Result<ResourceTree> ReadResourceTree(const Bytes& section, std::uint32_t sectionAddress);

// Every directory first, then the data entries, the names and the data, each
// piece of data on an 8-byte boundary.
Bytes WriteResourceTree(const ResourceTree& tree, std::uint32_t sectionAddress);
