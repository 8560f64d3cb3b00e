#include <gtest/gtest.h>

#include "brand/resource_tree.h"

namespace {

constexpr std::uint32_t kAddress = 0x5B000;

ResourceTree MixedTree() {
  ResourceTree tree;
  tree[kManifestType][1u][1033u] = {Bytes{'<', 'x', '/', '>'}, 0};
  tree[kStringTableType][13u][1033u] = {Bytes(674, 's'), 1200};
  tree[kStringTableType][13u][1031u] = {Bytes(3, 'd'), 0};
  tree[kDialogType][201u][1033u] = {Bytes(), 0};
  tree[u"PNG"][u"SPLASH"][0u] = {Bytes(17, 'p'), 0};
  tree[u"PNG"][u"ABOUT"][0u] = {Bytes(8, 'a'), 0};
  tree[u"AVI"][7u][0u] = {Bytes(1, 'v'), 0};
  return tree;
}

TEST(ResourceTree, WrittenTreeReadsBackTheSame) {
  const ResourceTree tree = MixedTree();
  Result<ResourceTree> read = ReadResourceTree(WriteResourceTree(tree, kAddress), kAddress);
  ASSERT_TRUE(read.ok()) << read.error();
  EXPECT_EQ(read.value(), tree);
  EXPECT_EQ(ReadResourceTree(WriteResourceTree({}, kAddress), kAddress).value(), ResourceTree{});
}

// Windows finds entries by binary search: names first, by their UTF-16
// units, then numbers ascending.
TEST(ResourceTree, DirectoriesListNamesFirstThenNumbersAscending) {
  const Bytes section = WriteResourceTree(MixedTree(), kAddress);
  EXPECT_EQ(ReadU16(section, 12), 2);  // named entries
  EXPECT_EQ(ReadU16(section, 14), 3);  // numbered entries
  std::vector<std::u16string> names;
  for (std::size_t entry = 16; entry < 16 + 2 * 8; entry += 8) {
    const std::size_t name = ReadU32(section, entry) & 0x7FFFFFFF;
    std::u16string text;
    for (std::size_t k = 0; k < ReadU16(section, name); ++k) text += ReadU16(section, name + 2 + 2 * k);
    names.push_back(text);
  }
  EXPECT_EQ(names, (std::vector<std::u16string>{u"AVI", u"PNG"}));
  EXPECT_EQ(ReadU32(section, 32), kDialogType);
  EXPECT_EQ(ReadU32(section, 40), kStringTableType);
  EXPECT_EQ(ReadU32(section, 48), kManifestType);
}

TEST(ResourceTree, DataEntriesGiveAddressesOfDataOnEightByteBoundaries) {
  ResourceTree tree;
  tree[kManifestType][1u][1033u] = {Bytes{1, 2, 3}, 0};
  tree[kManifestType][2u][1033u] = {Bytes{4, 5}, 0};
  const Bytes section = WriteResourceTree(tree, kAddress);
  // Root, type and two name directories (24 + 32 + 24 + 24 bytes), then the data entries.
  for (std::size_t entry : {104, 120}) {
    const std::uint32_t offset = ReadU32(section, entry) - kAddress;
    EXPECT_EQ(offset % 8, 0u);
    EXPECT_EQ(section[offset], entry == 104 ? 1 : 4);
  }
}

TEST(ResourceTree, RefusesSectionsThatAreNoTreeOrReachOutside) {
  // One type, one name, one language: directories at 0, 24 and 48, the data
  // entry at 72 and the data at 88.
  ResourceTree tree;
  tree[kManifestType][1u][1033u] = {Bytes(40, 'm'), 0};
  const Bytes section = WriteResourceTree(tree, kAddress);
  ResourceTree twoTypes = tree;
  twoTypes[kDialogType][1u][1033u] = {Bytes(40, 'd'), 0};
  const Bytes twoTypesSection = WriteResourceTree(twoTypes, kAddress);
  const std::uint32_t whole = static_cast<std::uint32_t>(twoTypesSection.size());
  const struct {
    const char* what;
    Bytes bytes;
    std::vector<std::pair<std::size_t, std::uint32_t>> changes;  // field, value
    std::string problem;
  } cases[] = {
      {"cut in the root", Bytes(section.begin(), section.begin() + 20), {}, "a directory's entries lie past its end"},
      {"cut before the root", Bytes(section.begin(), section.begin() + 8), {}, "a directory lies past its end"},
      {"too many entries", section, {{14, 0xFFFF}}, "a directory's entries lie past its end"},
      {"a loop", section, {{44, 0x80000000}}, "a directory is reached twice"},
      {"data for a directory", section, {{44, 72}}, "data stands where a directory belongs"},
      {"a directory for data", section, {{68, 0x80000018}}, "a directory stands where data belongs"},
      {"data entry past the end", section, {{68, 0x1000}}, "a data entry lies past its end"},
      {"data before the section", section, {{72, kAddress - 1}}, "resource data lies outside the resource section"},
      {"data past the section", section, {{76, 0x1000}}, "resource data lies outside the resource section"},
      {"a name past the end", section, {{16, 0x8000FFF0}}, "a resource name lies past its end"},
      {"a number twice", twoTypesSection, {{24, kDialogType}}, "a directory names an entry twice"},
      // Both data entries (at 128 and 144) give the whole section as their data.
      {"data over and over",
       twoTypesSection,
       {{128, kAddress}, {132, whole}, {144, kAddress}, {148, whole}},
       "the resource data add up to more than the section holds"},
  };
  for (const auto& c : cases) {
    Bytes bytes = c.bytes;
    for (const auto& [field, value] : c.changes) WriteU32(bytes, field, value);
    Result<ResourceTree> read = ReadResourceTree(bytes, kAddress);
    ASSERT_FALSE(read.ok()) << c.what;
    EXPECT_EQ(read.error(), "malformed resource section: " + c.problem) << c.what;
  }
}

}  // namespace
