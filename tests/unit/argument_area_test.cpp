#include <gtest/gtest.h>

#include <array>

#include "instance/argument_area.h"

namespace {

using Area = std::array<unsigned char, kArgumentAreaSize>;
using Arguments = std::vector<std::u16string>;

Arguments RoundTrip(const Arguments& arguments) {
  Area area;
  area.fill(0xAA);
  EXPECT_TRUE(WriteArguments(arguments, area.data()));
  return ReadArguments(area.data());
}

TEST(ArgumentArea, AsciiArgumentsAreStoredByteForByte) {
  Area area;
  ASSERT_TRUE(WriteArguments({u"a", u"bc"}, area.data()));
  const unsigned char expected[] = {'a', 0, 'b', 'c', 0, 0};
  EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), area.begin()));
  EXPECT_TRUE(std::all_of(area.begin() + sizeof expected, area.end(), [](unsigned char b) { return b == 0; }));
}

TEST(ArgumentArea, ArgumentsRoundTripIncludingNonAscii) {
  EXPECT_EQ(RoundTrip({u"a", u"b", u"c"}), (Arguments{u"a", u"b", u"c"}));
  EXPECT_EQ(RoundTrip({u"gr\u00fc\u00df", u"\u65e5\u672c", u"\U0001F600"}),
            (Arguments{u"gr\u00fc\u00df", u"\u65e5\u672c", u"\U0001F600"}));
  // Windows lets an argument hold a lone surrogate (a file name may); it arrives as sent.
  const Arguments lone{{u'a', 0xD800}, {0xDC00}};
  EXPECT_EQ(RoundTrip(lone), lone);
}

TEST(ArgumentArea, EmptyArgumentsEndTheListUnlessFirst) {
  EXPECT_EQ(RoundTrip({}), (Arguments{u""}));
  EXPECT_EQ(RoundTrip({u"a", u"", u"b"}), (Arguments{u"a"}));
  EXPECT_EQ(RoundTrip({u"", u"b"}), (Arguments{u"", u"b"}));
}

TEST(ArgumentArea, FitIsCountedInStoredBytes) {
  Area area;
  area.fill(0x55);
  // 1038 bytes of text + its zero + the closing zero fill the area exactly.
  EXPECT_TRUE(WriteArguments({std::u16string(1038, u'x')}, area.data()));
  EXPECT_EQ(ReadArguments(area.data()), (Arguments{std::u16string(1038, u'x')}));
  EXPECT_FALSE(WriteArguments({std::u16string(1039, u'x')}, area.data()));
  // Each of these takes two bytes: 519 of them need 1038 + 2 bytes, 520 do not fit.
  EXPECT_TRUE(WriteArguments({std::u16string(519, u'\u00e9')}, area.data()));
  Area untouched;
  untouched.fill(0x55);
  EXPECT_FALSE(WriteArguments({std::u16string(520, u'\u00e9')}, untouched.data()));
  EXPECT_TRUE(std::all_of(untouched.begin(), untouched.end(), [](unsigned char b) { return b == 0x55; }));
}

TEST(ArgumentArea, AListWithoutItsEndDropsTheLastArgument) {
  Area area;
  area.fill('z');
  area[0] = 'a';
  area[1] = 0;
  EXPECT_EQ(ReadArguments(area.data()), (Arguments{u"a"}));
}

}  // namespace
