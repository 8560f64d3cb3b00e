// The name all starts of one executable meet under.
#include <gtest/gtest.h>

#include "instance/instance_channel.h"
#include "support/text.h"

namespace {

TEST(InstanceName, EverySeparatorBecomesAnUnderscore) {
  EXPECT_EQ(InstanceName(u"C:\\Apps\\tool.exe", PathStyle::Windows), u"C:_Apps_tool.exe");
  EXPECT_EQ(InstanceName(u"\\\\server\\share\\tool.exe", PathStyle::Windows), u"__server_share_tool.exe");
  EXPECT_EQ(InstanceName(u"C:\\APPS~1\\tool.exe", PathStyle::Windows), u"C:_APPS~1_tool.exe");  // no folding
  EXPECT_EQ(InstanceName(u"/opt/app/tool", PathStyle::Posix), u"_opt_app_tool");
  EXPECT_EQ(InstanceName(u"/opt/a\\b/tool", PathStyle::Posix), u"_opt_a\\b_tool");
}

}  // namespace
