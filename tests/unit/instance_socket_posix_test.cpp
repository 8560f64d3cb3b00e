// What single-instance mode puts on disk and on the wire on POSIX systems.
#include <gtest/gtest.h>
#include <sys/un.h>

#include "instance/instance_socket_posix.h"

namespace {

using Arguments = std::vector<std::u16string>;

TEST(InstanceSocket, FileNamesAreShortAndTellPathsApart) {
  const std::u16string longName = u"_home_user_" + std::u16string(300, u'x') + u"_tool";
  const std::string name = SocketFileName(longName);
  EXPECT_LE(name.size(), 60u);  // leaves room for the folder in a socket address of 108 bytes
  EXPECT_EQ(name.substr(0, 5), "xxxxx");
  EXPECT_EQ(name, SocketFileName(longName));
  EXPECT_NE(SocketFileName(u"_opt_a_tool"), SocketFileName(u"_opt_b_tool"));
  EXPECT_NE(SocketFileName(u"_a" + longName), SocketFileName(u"_b" + longName));  // same end, other start
  EXPECT_EQ(SocketFileName(u"_opt_tool").substr(0, 10), "_opt_tool-");
}

TEST(InstanceSocket, ArgumentsTravelExactly) {
  const std::vector<Arguments> lists = {
      {},
      {u""},
      {u"a", u"b", u"c"},
      {u"a", u"", u"b"},
      {u"", u"b"},
      {u"gr\u00fc\u00df", u"\u65e5\u672c", u"\U0001F600"},
      {std::u16string(5000, u'x')},
  };
  for (const Arguments& arguments : lists) EXPECT_EQ(DecodeArguments(EncodeArguments(arguments)), arguments);
  EXPECT_EQ(EncodeArguments({u"a", u""}), std::string("a\0\0", 3));
}

}  // namespace
