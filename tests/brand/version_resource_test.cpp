#include <gtest/gtest.h>

#include "brand/utf.h"
#include "brand/version_resource.h"

namespace {

// The value under a path of keys, found the way VerQueryValue walks the
// tree: each node's length, value length and key, its value and children on
// 32-bit boundaries.
struct Found {
  bool found = false;
  std::uint16_t type = 0;
  Bytes value;
};

Found Lookup(const Bytes& tree, std::size_t node, std::size_t end, std::vector<std::u16string> path) {
  while (node + 6 <= end) {
    const std::size_t length = ReadU16(tree, node), valueLength = ReadU16(tree, node + 2);
    const std::uint16_t type = ReadU16(tree, node + 4);
    std::u16string key;
    std::size_t position = node + 6;
    for (; ReadU16(tree, position) != 0; position += 2) key += ReadU16(tree, position);
    const std::size_t value = AlignUp(position + 2, 4);
    const std::size_t valueBytes = type == 1 ? 2 * valueLength : valueLength;
    if (length == 0 || node + length > end) return {};
    if (key == path.front()) {
      if (path.size() == 1) return {true, type, Bytes(tree.begin() + value, tree.begin() + value + valueBytes)};
      path.erase(path.begin());
      return Lookup(tree, AlignUp(value + valueBytes, 4), node + length, path);
    }
    node = AlignUp(node + length, 4);
  }
  return {};
}

// A text value without its terminator, which the value's length counts.
std::u16string Text(const Found& found) {
  std::u16string text;
  for (std::size_t k = 0; k + 3 < found.value.size(); k += 2) text += ReadU16(found.value, k);
  return text;
}

TEST(VersionResource, HoldsTheFixedVersionsAndTheStringsUnderUsEnglishUtf16) {
  VersionInfo info;
  info.fileVersion = {1, 2, 3, 4};
  info.productVersion = {65535, 0, 7, 8};
  info.strings = {{"CompanyName", "Acme"},
                  {"ProductName",
                   "Gr\xc3\xbc\xc3\x9f"
                   "e \xe8\xa3\xbd\xe5\x93\x81"},
                  {"Comments", ""}};
  const Bytes tree = VersionResource(info).value();
  EXPECT_EQ(ReadU16(tree, 0), tree.size());

  const Found fixed = Lookup(tree, 0, tree.size(), {u"VS_VERSION_INFO"});
  ASSERT_TRUE(fixed.found);
  ASSERT_EQ(fixed.value.size(), 52u);
  EXPECT_EQ(ReadU32(fixed.value, 0), 0xFEEF04BDu);
  EXPECT_EQ(ReadU32(fixed.value, 8), 0x00010002u);
  EXPECT_EQ(ReadU32(fixed.value, 12), 0x00030004u);
  EXPECT_EQ(ReadU32(fixed.value, 16), 0xFFFF0000u);
  EXPECT_EQ(ReadU32(fixed.value, 20), 0x00070008u);

  const std::u16string table = u"040904B0";
  for (const auto& [name, value] : info.strings) {
    const Found found =
        Lookup(tree, 0, tree.size(), {u"VS_VERSION_INFO", u"StringFileInfo", table, Utf16FromUtf8(name)});
    ASSERT_TRUE(found.found) << name;
    EXPECT_EQ(found.type, 1) << name;
    EXPECT_EQ(Text(found), Utf16FromUtf8(value)) << name;
    EXPECT_EQ(ReadU16(found.value, found.value.size() - 2), 0) << name;
  }
  const Found translation = Lookup(tree, 0, tree.size(), {u"VS_VERSION_INFO", u"VarFileInfo", u"Translation"});
  ASSERT_TRUE(translation.found);
  EXPECT_EQ(translation.value, (Bytes{0x09, 0x04, 0xB0, 0x04}));
}

TEST(VersionResource, RefusesStringsBeyondItsSixteenBitLengths) {
  VersionInfo info;
  info.strings["Comments"] = std::string(32000, 'x');
  EXPECT_TRUE(VersionResource(info).ok());
  info.strings["LegalCopyright"] = std::string(1000, 'x');
  Result<Bytes> tree = VersionResource(info);
  ASSERT_FALSE(tree.ok());
  EXPECT_EQ(tree.error(), "the version strings are too long for a version resource");
}

}  // namespace
