#include <gtest/gtest.h>

#include "support/message_catalogue.h"
#include "support/messages.h"
#include "support/text.h"

namespace {

TEST(Messages, CatalogueCoversEveryIdFrom202To233) {
  ASSERT_EQ(kMessageCatalogueSize, 32u);
  for (MessageId id = 202; id <= 233; ++id) EXPECT_NE(FindCatalogueText(id), nullptr) << id;
  EXPECT_EQ(LoadMessage(234), u"");
  EXPECT_EQ(LoadMessage(201), u"");
}

TEST(Messages, LoadedTextsAreTheCatalogueTexts) {
  for (MessageId id = 202; id <= 233; ++id) EXPECT_EQ(LoadMessage(id), FindCatalogueText(id)) << id;
  EXPECT_EQ(LoadMessage(206),
            u"The Java Runtime Environment (JRE) was not found. Please  download and install a JRE with a server "
            u"JVM (%s) from:");
  EXPECT_EQ(LoadMessage(203), u"JNI exception: %s\nReason: %s.\n");
}

TEST(Messages, FormattingInsertsArgumentsLiterally) {
  EXPECT_EQ(FormatMessageText(222, {u"C:\\j\\jvm.dll", -5}),
            u"Failed to load Java VM library: C:\\j\\jvm.dll (errno = -5).\n");
  EXPECT_EQ(FormatMessageText(221, {u"%s", u"%d"}), u"version between %s and %d");
  EXPECT_EQ(FormatMessageText(231, {u"C:\\pair.exe", 2}),
            u"Failed to start the paired launcher: C:\\pair.exe (errno = 2).\n");
  EXPECT_EQ(FormatText(u"100% %x %d%%", {7}), u"100% %x 7%%");
  EXPECT_EQ(FormatText(u"%s and %s", {u"one"}), u"one and ");
}

TEST(Messages, ErrorLineIsPrefixedAndEndsInBlankAndLineFeed) {
  EXPECT_EQ(ErrorLine(LoadMessage(210)), u"Error: Main class was not specified in INI file. \n");
  EXPECT_EQ(ErrorLine(FormatMessageText(203, {LoadMessage(213), JniReasonText(-4)})),
            u"Error: JNI exception: failed to create the Java VM\nReason: not enough memory.\n \n");
}

TEST(Messages, JniReasonTextCoversTheInvocationStatuses) {
  EXPECT_EQ(JniReasonText(-1), u"unknown");
  EXPECT_EQ(JniReasonText(-2), u"thread detached from VM");
  EXPECT_EQ(JniReasonText(-3), u"JNI version error");
  EXPECT_EQ(JniReasonText(-4), u"not enough memory");
  EXPECT_EQ(JniReasonText(-5), u"VM already created");
  EXPECT_EQ(JniReasonText(-6), u"invalid arguments");
  EXPECT_EQ(JniReasonText(-7), u"");
  EXPECT_EQ(JniReasonText(1), u"");
}

}  // namespace
