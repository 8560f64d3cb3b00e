#include <gtest/gtest.h>

#include <algorithm>

#include "brand/pe_image.h"
#include "test_image.h"

namespace {

ResourceTree TreeOfSize(std::size_t dataSize) {
  ResourceTree tree;
  SetResource(tree, kManifestType, 1u, Bytes(dataSize, 'm'));
  return tree;
}

Bytes Rebuilt(const Bytes& input, const ResourceTree& tree) {
  Result<PeImage> image = PeImage::Read(input);
  EXPECT_TRUE(image.ok()) << image.error();
  Result<PeImage> rebuilt = image.value().withResourceSection(WriteResourceTree(tree, kTestResourceAddress));
  EXPECT_TRUE(rebuilt.ok()) << rebuilt.error();
  return rebuilt.ok() ? rebuilt.value().bytes() : Bytes{};
}

constexpr ImageKind kKinds[] = {ImageKind::kPe32, ImageKind::kPe32Plus};

TEST(PeImage, GrownResourcesMoveWhatFollowsAndEveryPointerToIt) {
  for (ImageKind kind : kKinds) {
    const ResourceTree grown = TreeOfSize(3 * kTestSectionAlignment);
    const Bytes input = TestImage(kind, TreeOfSize(100));
    const Bytes output = Rebuilt(input, grown);
    const SectionFields code = SectionNamed(output, ".text"), resources = SectionNamed(output, ".rsrc"),
                        relocations = SectionNamed(output, ".reloc"), debug = SectionNamed(output, kTestDebugName);
    const std::size_t size = WriteResourceTree(grown, kTestResourceAddress).size();
    EXPECT_EQ(resources.address, kTestResourceAddress);
    EXPECT_EQ(resources.virtualSize, size);
    EXPECT_EQ(resources.rawSize, AlignUp(size, kTestFileAlignment));
    EXPECT_EQ(relocations.address, kTestResourceAddress + AlignUp(size, kTestSectionAlignment));
    EXPECT_EQ(relocations.rawOffset, resources.rawOffset + resources.rawSize);
    // The debugging section's name is found through the moved symbol table.
    EXPECT_EQ(debug.address, relocations.address + kTestSectionAlignment);
    EXPECT_EQ(debug.rawOffset, relocations.rawOffset + kTestFileAlignment);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(output.data() + debug.rawOffset)), kTestDebugContents);
    EXPECT_EQ(ReadU32(output, DataDirectory(output, 2)), kTestResourceAddress);
    EXPECT_EQ(ReadU32(output, DataDirectory(output, 2) + 4), size);
    EXPECT_EQ(ReadU32(output, DataDirectory(output, 5)), relocations.address);
    EXPECT_EQ(ReadU32(output, DebugRelocationBlock(output) - 12), code.address);
    EXPECT_EQ(ReadU32(output, DebugRelocationBlock(output)), debug.address);
    EXPECT_EQ(ReadU32(output, DebugEntry(output) + 20), debug.address);
    EXPECT_EQ(ReadU32(output, DebugEntry(output) + 24), debug.rawOffset);
    EXPECT_EQ(ReadU32(output, OptionalHeader(output) + 56), debug.address + kTestSectionAlignment);
    EXPECT_EQ(ReadU32(output, OptionalHeader(output) + 64), ImageChecksum(output, OptionalHeader(output) + 64));
    EXPECT_EQ(ReadU32(output, OptionalHeader(output) + 8),  // the initialized data
              ReadU32(input, OptionalHeader(input) + 8) + resources.rawSize - SectionNamed(input, ".rsrc").rawSize);
    // The code up to the debug directory, whose entry changed.
    EXPECT_TRUE(
        std::equal(input.begin() + code.rawOffset, input.begin() + DebugEntry(input), output.begin() + code.rawOffset));
    const Bytes section(output.begin() + resources.rawOffset, output.begin() + resources.rawOffset + size);
    EXPECT_EQ(ReadResourceTree(section, kTestResourceAddress).value(), grown);
  }
}

TEST(PeImage, ResourcesMoveWhatFollowsInMemoryOnlyWhereTheirPagesChange) {
  for (ImageKind kind : kKinds) {
    const Bytes input = TestImage(kind, TreeOfSize(3 * kTestSectionAlignment));
    const SectionFields before = SectionNamed(input, kTestDebugName);
    // Shrunk to one page: back by two pages, and by as much in the file.
    const Bytes shrunk = Rebuilt(input, TreeOfSize(100));
    EXPECT_EQ(SectionNamed(shrunk, kTestDebugName).address, before.address - 3 * kTestSectionAlignment);
    EXPECT_EQ(SectionNamed(shrunk, ".reloc").address, kTestResourceAddress + kTestSectionAlignment);
    EXPECT_EQ(shrunk.size(), input.size() - 3 * kTestSectionAlignment);
    // Grown within its last page (the tree's directories add 88 bytes, so
    // 0x3058 become 0x3358): the same addresses, 0x200 more in the file.
    const Bytes grown = Rebuilt(input, TreeOfSize(3 * kTestSectionAlignment + 0x300));
    EXPECT_EQ(SectionNamed(grown, kTestDebugName).address, before.address);
    EXPECT_EQ(SectionNamed(grown, kTestDebugName).rawOffset, before.rawOffset + 0x200);
  }
}

TEST(PeImage, RefusesToMoveASectionThatCodeCouldPointInto) {
  Bytes input = TestImage(ImageKind::kPe32Plus, TreeOfSize(100));
  const std::size_t relocationHeader = OptionalHeader(input) + ReadU16(input, 0x80 + 4 + 16) + 2 * 40;
  WriteU32(input, relocationHeader + 36, 0xC0000040);  // no longer discardable
  const PeImage image = PeImage::Read(input).value();
  EXPECT_TRUE(image.withResourceSection(WriteResourceTree(TreeOfSize(200), kTestResourceAddress)).ok());
  Result<PeImage> moved = image.withResourceSection(WriteResourceTree(TreeOfSize(0x2000), kTestResourceAddress));
  ASSERT_FALSE(moved.ok());
  EXPECT_EQ(moved.error(), "section .reloc follows the resources and cannot be moved");
}

TEST(PeImage, RefusesWhatIsNoWholeImageWithResources) {
  const Bytes image = TestImage(ImageKind::kPe32Plus, TreeOfSize(100));
  const std::size_t symbols = ReadU32(image, 0x80 + 4 + 8);
  Bytes withoutResources = image;
  WriteU32(withoutResources, DataDirectory(image, 2), 0);
  Bytes badAlignment = image;
  WriteU32(badAlignment, OptionalHeader(image) + 36, 0x300);
  // The code's raw data moved onto the headers, or onto the resources.
  const std::size_t codeHeader = OptionalHeader(image) + ReadU16(image, 0x80 + 4 + 16);
  Bytes onHeaders = image, onResources = image;
  WriteU32(onHeaders, codeHeader + 20, 0x1);
  WriteU32(onResources, codeHeader + 20, SectionNamed(image, ".rsrc").rawOffset - 0x10);
  const struct {
    const char* what;
    Bytes file;
    std::string message;
  } cases[] = {
      {"empty", {}, "not a PE image"},
      {"text", Bytes(200, 'x'), "not a PE image"},
      {"an MZ header alone", Bytes(image.begin(), image.begin() + 0x80), "not a PE image"},
      {"cut in the optional header", Bytes(image.begin(), image.begin() + 0x100), "the PE image is cut short"},
      {"cut in the section table", Bytes(image.begin(), image.begin() + 0x200), "the PE image is cut short"},
      {"cut in a section", Bytes(image.begin(), image.begin() + 0x700), "the PE image is cut short"},
      {"cut in the string table", Bytes(image.begin(), image.end() - 3), "the PE image is cut short"},
      {"cut after the symbols", Bytes(image.begin(), image.begin() + symbols + 36), "the PE image is cut short"},
      {"without resources", withoutResources, "the PE image has no resource section of its own"},
      {"aligned to 0x300", badAlignment, "the PE image's section or file alignment is no power of two"},
      {"code on the headers", onHeaders, "the PE image's sections overlap"},
      {"code on the resources", onResources, "the PE image's sections overlap"},
  };
  for (const auto& c : cases) {
    Result<PeImage> read = PeImage::Read(c.file);
    ASSERT_FALSE(read.ok()) << c.what;
    EXPECT_EQ(read.error(), c.message) << c.what;
  }
}

TEST(ImageChecksum, SumsWordsWithCarriesSkipsItsFieldAndAddsTheLength) {
  EXPECT_EQ(ImageChecksum({0x01, 0x02, 0x03}, 100), 0x0204u + 3);
  EXPECT_EQ(ImageChecksum({0xFF, 0xFF, 0xFF, 0xFF}, 100), 0xFFFFu + 4);  // 0x1FFFE folded
  EXPECT_EQ(ImageChecksum({0x10, 0x00, 0xAA, 0xBB, 0xCC, 0xDD, 0x01, 0x00}, 2), 0x0011u + 8);
}

}  // namespace
