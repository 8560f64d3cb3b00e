#include <gtest/gtest.h>

#include "brand/ico_file.h"

namespace {

struct Image {
  std::uint8_t width;
  Bytes data;
};

// An .ico file with the images one after another behind the directory.
Bytes IconBytes(const std::vector<Image>& images, std::uint16_t type = 1) {
  Bytes file;
  AppendU16(file, 0);
  AppendU16(file, type);
  AppendU16(file, static_cast<std::uint16_t>(images.size()));
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  for (const Image& image : images) {
    file.insert(file.end(), {image.width, image.width, 16, 0});
    AppendU16(file, 1);
    AppendU16(file, 32);
    AppendU32(file, static_cast<std::uint32_t>(image.data.size()));
    AppendU32(file, offset);
    offset += static_cast<std::uint32_t>(image.data.size());
  }
  for (const Image& image : images) file.insert(file.end(), image.data.begin(), image.data.end());
  return file;
}

TEST(IconFile, KeepsEveryImageWithItsDirectoryFieldsByteForByte) {
  const Bytes file = IconBytes({{0, Bytes{0x89, 'P', 'N', 'G'}}, {48, Bytes(300, 0x28)}, {16, Bytes{7}}});
  Result<IconFile> icon = ParseIconFile(file);
  ASSERT_TRUE(icon.ok()) << icon.error();
  ASSERT_EQ(icon.value().images.size(), 3u);
  const IconImage& second = icon.value().images[1];
  EXPECT_EQ(second.header.width, 48);
  EXPECT_EQ(second.header.height, 48);
  EXPECT_EQ(second.header.colorCount, 16);
  EXPECT_EQ(second.header.planes, 1);
  EXPECT_EQ(second.header.bitCount, 32);
  EXPECT_EQ(second.data, Bytes(300, 0x28));
  EXPECT_EQ(icon.value().images[0].data, (Bytes{0x89, 'P', 'N', 'G'}));
  EXPECT_EQ(icon.value().images[2].data, Bytes{7});
}

TEST(IconFile, RefusesWhatIsNoWholeIconFile) {
  const Bytes two = IconBytes({{16, Bytes(10, 1)}, {32, Bytes(20, 2)}});
  Bytes reserved = two, empty = IconBytes({}), past = two, zero = two, wrapping = two;
  WriteU16(reserved, 0, 1);
  WriteU32(past, 6 + 16 + 8, 21);          // the second image one byte longer than the file
  WriteU32(zero, 6 + 8, 0);                // an image of no bytes
  WriteU32(wrapping, 6 + 12, 0xFFFFFFF0);  // an offset that wraps around with the size
  const struct {
    const char* what;
    Bytes file;
    std::string message;
  } cases[] = {
      {"nothing", {}, "not an icon file"},
      {"text", Bytes{'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'c', 'o', 'n'}, "not an icon file"},
      {"a cursor", IconBytes({{16, Bytes(10, 1)}}, 2), "not an icon file"},
      {"a reserved field set", reserved, "not an icon file"},
      {"no image", empty, "the icon file holds no image"},
      {"a directory cut short", Bytes(two.begin(), two.begin() + 30),
       "the icon file's image directory is cut short (2 images)"},
      {"an image past the end", past, "image 2 of the icon file lies past its end"},
      {"an image of no bytes", zero, "image 1 of the icon file lies past its end"},
      {"an offset wrapping around", wrapping, "image 1 of the icon file lies past its end"},
  };
  for (const auto& c : cases) {
    Result<IconFile> icon = ParseIconFile(c.file);
    ASSERT_FALSE(icon.ok()) << c.what;
    EXPECT_EQ(icon.error(), c.message) << c.what;
  }
}

}  // namespace
