#include <gtest/gtest.h>

#include "runtime/release_file.h"

namespace {

TEST(ReleaseFile, ReadsVersionAndImplementor) {
  ReleaseFacts facts =
      ReadReleaseFacts(u"IMPLEMENTOR=\"Eclipse Adoptium\"\r\nJAVA_VERSION=\"17.0.15\"\nOS_NAME=Linux\n");
  EXPECT_EQ(facts.javaVersion, u"17.0.15");
  EXPECT_EQ(facts.implementor, u"Eclipse Adoptium");
  EXPECT_FALSE(facts.isIbm());
}

TEST(ReleaseFile, NamesIbmByImplementorOrVm) {
  EXPECT_TRUE(ReadReleaseFacts(u"IMPLEMENTOR=\"IBM Corporation\"").isIbm());
  EXPECT_TRUE(ReadReleaseFacts(u"IMPLEMENTOR=\"Eclipse OpenJ9\"").isIbm());
  EXPECT_FALSE(ReadReleaseFacts(u"JAVA_VERSION=\"1.8.0_402\"").isIbm());
  EXPECT_EQ(ReadReleaseFacts(u"no release facts here").javaVersion, u"");
}

}  // namespace
