// The bytes of a settings file as text: a byte-order mark decides UTF-8 or
// UTF-16 of either order, as the profile functions read such files.
#include <gtest/gtest.h>

#include "settings/ini_file.h"

namespace {

TEST(SettingsEncoding, ByteOrderMarkDecidesTheDecoding) {
  const struct {
    std::string bytes;
    std::u16string text;
    SettingsEncoding encoding;
  } cases[] = {
      {"", u"", SettingsEncoding::Utf8},
      {"[A]\nk=\xC3\xA9", u"[A]\nk=\u00E9", SettingsEncoding::Utf8},
      {"\xEF\xBB\xBF[A]", u"[A]", SettingsEncoding::Utf8WithMark},
      {"\xEF\xBB\xBF", u"", SettingsEncoding::Utf8WithMark},
      {std::string("\xFF\xFE[\0\xE9\0=\0", 8), u"[\u00E9=", SettingsEncoding::Utf16LittleEndian},
      {std::string("\xFE\xFF\0[\x20\xAC", 6), u"[\u20AC", SettingsEncoding::Utf16BigEndian},
      // A cut last code unit is dropped; a lone surrogate stays as it is.
      {std::string("\xFF\xFEk\0=", 5), u"k", SettingsEncoding::Utf16LittleEndian},
      {std::string("\xFF\xFE\x3D\xD8", 4), u"\xD83D", SettingsEncoding::Utf16LittleEndian},
      {"\xFE", u"\uFFFD", SettingsEncoding::Utf8},
      {"\xEF\xBB", u"\uFFFD\uFFFD", SettingsEncoding::Utf8},
      {"\xFF\xFF\x80", u"\uFFFD\uFFFD\uFFFD", SettingsEncoding::Utf8},
  };
  for (const auto& row : cases) {
    EXPECT_EQ(DecodeSettingsText(row.bytes), row.text) << testing::PrintToString(row.bytes);
    EXPECT_EQ(DetectSettingsEncoding(row.bytes), row.encoding) << testing::PrintToString(row.bytes);
  }
}

TEST(SettingsEncoding, EncodedTextDecodesBackInTheSameEncoding) {
  const std::u16string text = u"[Java Runtime Environment]\r\nJRE Path=C:\\J\u00E9\u20AC\\\U0001F600\r\n";
  for (SettingsEncoding encoding : {SettingsEncoding::Utf8, SettingsEncoding::Utf8WithMark,
                                    SettingsEncoding::Utf16LittleEndian, SettingsEncoding::Utf16BigEndian}) {
    const std::string bytes = EncodeSettingsText(text, encoding);
    EXPECT_EQ(DetectSettingsEncoding(bytes), encoding);
    EXPECT_EQ(DecodeSettingsText(bytes), text);
  }
  EXPECT_EQ(EncodeSettingsText(u"k=\u00E9", SettingsEncoding::Utf16LittleEndian),
            std::string("\xFF\xFEk\0=\0\xE9\0", 8));
}

}  // namespace
