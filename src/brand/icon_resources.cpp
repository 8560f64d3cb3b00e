#include "brand/icon_resources.h"

#include <set>

namespace {

// An icon group (GRPICONDIR): a header like the .ico file's, then one entry
// per image that gives the image's resource number instead of its offset.
constexpr std::size_t kGroupHeaderSize = 6;
constexpr std::size_t kGroupEntrySize = 14;
constexpr std::size_t kImageNumberField = 12;
constexpr std::uint16_t kIconType = 1;

std::set<std::uint32_t> ListedImages(const LanguageTable& group) {
  std::set<std::uint32_t> numbers;
  for (const auto& [language, data] : group) {
    const std::size_t count = ReadU16(data.bytes, 4);
    for (std::size_t k = 0; k < count; ++k)
      if (Fits(data.bytes.size(), kGroupHeaderSize + k * kGroupEntrySize, kGroupEntrySize))
        numbers.insert(ReadU16(data.bytes, kGroupHeaderSize + k * kGroupEntrySize + kImageNumberField));
  }
  return numbers;
}

void RemoveUnlistedImages(ResourceTree& tree, const ResourceId& replaced) {
  NameTable& groups = tree[kIconGroupType];
  std::set<std::uint32_t> kept;
  for (const auto& [name, group] : groups)
    if (name != replaced) kept.merge(ListedImages(group));
  NameTable& images = tree[kIconImageType];
  for (std::uint32_t number : ListedImages(groups[replaced]))
    if (!kept.count(number)) images.erase(number);
}

std::uint16_t LowestFreeNumber(const NameTable& images, std::uint16_t from) {
  while (images.count(std::uint32_t{from})) ++from;
  return from;
}

void AppendGroupEntry(Bytes& group, const IconImage& image, std::uint16_t number) {
  const IconImageHeader& header = image.header;
  group.insert(group.end(), {header.width, header.height, header.colorCount, header.reserved});
  AppendU16(group, header.planes);
  AppendU16(group, header.bitCount);
  AppendU32(group, static_cast<std::uint32_t>(image.data.size()));
  AppendU16(group, number);
}

}  // namespace

void InstallIcon(ResourceTree& tree, const IconFile& icon) {
  NameTable& groups = tree[kIconGroupType];
  const ResourceId name = groups.empty() ? ResourceId{1u} : groups.begin()->first;
  RemoveUnlistedImages(tree, name);

  NameTable& images = tree[kIconImageType];
  Bytes group;
  AppendU16(group, 0);
  AppendU16(group, kIconType);
  AppendU16(group, static_cast<std::uint16_t>(icon.images.size()));
  std::uint16_t number = 0;
  for (const IconImage& image : icon.images) {
    number = LowestFreeNumber(images, number + 1);
    SetResource(tree, kIconImageType, std::uint32_t{number}, image.data);
    AppendGroupEntry(group, image, number);
  }
  SetResource(tree, kIconGroupType, name, std::move(group));
}
