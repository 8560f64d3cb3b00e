#include <gtest/gtest.h>

#include <array>

#include "instance/argument_area.h"

namespace {

using Area = std::array<unsigned char, kArgumentAreaSize>;
using Arguments = std::vector<std::u16string>;

TEST(ArgumentList, ArgumentsTravelExactly) {
  const std::vector<Arguments> lists = {
      {},
      {u""},
      {u"a", u"b", u"c"},
      {u"a", u"", u"b"},
      {u"", u"b"},
      {u"gr\u00fc\u00df", u"\u65e5\u672c", u"\U0001F600"},
      {{u'a', 0xD800}, {0xDC00}},  // Windows lets an argument hold a lone surrogate (a file name may)
      {std::u16string(5000, u'x')},
  };
  for (const Arguments& arguments : lists) EXPECT_EQ(DecodeArguments(EncodeArguments(arguments)), arguments);
  EXPECT_EQ(EncodeArguments({u"a", u""}), std::string("a\0\0", 3));
  EXPECT_EQ(DecodeArguments(std::string("a\0b", 3)), (Arguments{u"a"}));  // a last argument without its end
}

TEST(ArgumentArea, AListThatFitsFollowsItsSize) {
  Area area;
  area.fill(0xAA);
  WriteListToArea(std::string("a\0bc\0", 5), area.data());
  const unsigned char expected[] = {5, 0, 0, 0, 'a', 0, 'b', 'c', 0};
  EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), area.begin()));
  EXPECT_TRUE(std::all_of(area.begin() + sizeof expected, area.end(), [](unsigned char b) { return b == 0; }));
  const AreaContent content = ReadArea(area.data());
  EXPECT_TRUE(content.listIsHere);
  EXPECT_EQ(DecodeArguments(content.list), (Arguments{u"a", u"bc"}));

  WriteListToArea("", area.data());
  EXPECT_EQ(DecodeArguments(ReadArea(area.data()).list), Arguments{});
}

TEST(ArgumentArea, TheAreaHoldsListsUpToItsCapacityAndNamesTheMappingOfLongerOnes) {
  Area area;
  const std::string full = std::string(kAreaListCapacity - 1, 'x') + '\0';
  WriteListToArea(full, area.data());
  AreaContent content = ReadArea(area.data());
  EXPECT_TRUE(content.listIsHere);
  EXPECT_EQ(content.list, full);

  ASSERT_TRUE(WriteListPlaceToArea(kAreaListCapacity + 1, u"C:_app.exe_upr_args_\u00e9", area.data()));
  const unsigned char size[] = {static_cast<unsigned char>(kAreaListCapacity + 1),
                                static_cast<unsigned char>((kAreaListCapacity + 1) >> 8), 0, 0};
  EXPECT_TRUE(std::equal(std::begin(size), std::end(size), area.begin()));
  content = ReadArea(area.data());
  EXPECT_FALSE(content.listIsHere);
  EXPECT_EQ(content.listSize, kAreaListCapacity + 1);
  EXPECT_EQ(content.mappingName, u"C:_app.exe_upr_args_\u00e9");
  EXPECT_TRUE(content.list.empty());
  ASSERT_TRUE(WriteListPlaceToArea(0xFFFFFFFFu, u"n", area.data()));
  EXPECT_EQ(ReadArea(area.data()).listSize, 0xFFFFFFFFu);
}

TEST(ArgumentArea, ANameThatDoesNotFitLeavesTheAreaAlone) {
  Area area;
  area.fill(0x55);
  // The name and its zero byte must fit after the size.
  EXPECT_FALSE(WriteListPlaceToArea(5000, std::u16string(kAreaListCapacity, u'n'), area.data()));
  EXPECT_FALSE(WriteListPlaceToArea(5000, std::u16string(kAreaListCapacity / 2, u'\u00e9'), area.data()));
  EXPECT_TRUE(std::all_of(area.begin(), area.end(), [](unsigned char b) { return b == 0x55; }));
  EXPECT_TRUE(WriteListPlaceToArea(5000, std::u16string(kAreaListCapacity - 1, u'n'), area.data()));
}

TEST(ArgumentArea, AreasFilledBadlyAreReadWithinTheArea) {
  Area area;
  area.fill('g');  // a size far beyond the area, a name without its end
  AreaContent content = ReadArea(area.data());
  EXPECT_FALSE(content.listIsHere);
  EXPECT_EQ(content.mappingName, std::u16string(kAreaListCapacity, u'g'));
  area.fill(0);
  area[0] = 3;
  area[4] = 'a';
  area[6] = 'b';  // no zero byte after it
  EXPECT_EQ(DecodeArguments(ReadArea(area.data()).list), (Arguments{u"a"}));
}

}  // namespace
