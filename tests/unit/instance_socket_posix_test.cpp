// What single-instance mode puts on disk on POSIX systems: the socket's name.
#include <gtest/gtest.h>
#include <sys/un.h>

#include "instance/instance_socket_posix.h"

namespace {

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

}  // namespace
