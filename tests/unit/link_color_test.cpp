#include <gtest/gtest.h>

#include "dialog/link_color.h"
#include "support/text.h"

namespace {

struct ColorCase {
  std::u16string text;
  std::optional<LinkColor> color;
};

TEST(LinkColor, ParsesRedGreenBlueAsTheBrowserWritesThem) {
  const ColorCase cases[] = {
      {u"0,0,255", 0x00FF0000},         {u"128,0,128", 0x00800080},
      {u"1,2,3", 0x00030201},           {u"300,0,0", 0x0000002C},  // only the low 8 bits: 300 is 44
      {u" 10, +20,\t30", 0x001E140A},                              // blanks and signs as _wtoi reads them
      {u"-2,0,0", 0x000000FE},                                     // -2 is not -1: its low byte is 254
      {u"0,0,-1", 0x00FF0000},                                     // only red and green may not be -1
      {u"x,y,z", 0x00000000},                                      // no digits read as 0
      {u"12abc,0,0", 0x0000000C},                                  // digits end at the first other character
      {u"99999999999,0,0", 0x000000FF},                            // past the int range: INT_MAX
      {u"0,0,255,7", 0x00FF0000},                                  // blue is read up to its first non-digit
      {u"0,0", std::nullopt},                                      // two fields
      {u"0,0,", std::nullopt},                                     // nothing after the second comma
      {u"-1,0,0", std::nullopt},        {u"0,-1,0", std::nullopt},
      {u"255", std::nullopt},           {u"", std::nullopt},
  };
  for (const ColorCase& c : cases) EXPECT_EQ(ParseLinkColor(c.text), c.color) << ToUtf8(c.text);
}

std::optional<LinkColor> FromStored(std::u16string stored, bool isString = true) {
  return LinkColorFromRegistryValue(isString, stored.data(), stored.size() * sizeof(char16_t));
}

TEST(LinkColor, RegistryValueMustBeATerminatedStringThatFitsTwelveCharacters) {
  using namespace std::string_literals;
  EXPECT_EQ(FromStored(u"0,0,255\0"s), 0x00FF0000u);
  EXPECT_EQ(FromStored(u"255,255,255\0"s), 0x00FFFFFFu);      // eleven characters and the terminator fit
  EXPECT_EQ(FromStored(u"255, 255, 255\0"s), std::nullopt);   // too long for the buffer
  EXPECT_EQ(FromStored(u"0,0,255"s), std::nullopt);           // no terminator
  EXPECT_EQ(FromStored(u"0,0,255\0"s, false), std::nullopt);  // not a string value
  EXPECT_EQ(FromStored(u"0,0\0,255\0"s), std::nullopt);       // the text ends at its first zero
  EXPECT_EQ(FromStored(u""s), std::nullopt);
  const char16_t buffer[kLinkColorValueCapacity] = u"0,0,255";
  EXPECT_EQ(LinkColorFromRegistryValue(true, buffer, 16), 0x00FF0000u);
  EXPECT_EQ(LinkColorFromRegistryValue(true, buffer, 17), std::nullopt);  // an odd size
}

}  // namespace
