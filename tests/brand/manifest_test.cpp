#include <gtest/gtest.h>

#include "brand/manifest.h"

namespace {

const std::string kManifest =
    "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">\n"
    "  <trustInfo xmlns=\"urn:schemas-microsoft-com:asm.v3\"/>\n"
    "</assembly>\n";

TEST(Manifest, DpiAwarenessGoesInsideTheClosingTagAndOnlyOnce) {
  const std::string declared = DeclareDpiAwareness(kManifest).value();
  const std::size_t application = declared.find("  <application xmlns=\"urn:schemas-microsoft-com:asm.v3\">");
  ASSERT_NE(application, std::string::npos);
  EXPECT_EQ(declared.substr(0, application), kManifest.substr(0, kManifest.find("</assembly>")));
  EXPECT_NE(declared.find(">true/pm</dpiAware>"), std::string::npos);
  EXPECT_NE(declared.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
  EXPECT_EQ(declared.substr(declared.size() - 12), "</assembly>\n");
  EXPECT_EQ(DeclareDpiAwareness(declared).value(), declared);
  EXPECT_NE(DeclareDpiAwareness(EmptyManifest()).value().find("PerMonitorV2"), std::string::npos);
}

TEST(Manifest, RefusesOtherDeclarationsAndManifestsWithoutClosingTag) {
  const std::string other =
      "<assembly><application><windowsSettings><dpiAware>false</dpiAware>"
      "</windowsSettings></application></assembly>";
  EXPECT_EQ(DeclareDpiAwareness(other).error(), "the manifest declares DPI awareness already: leave out --dpi-aware");
  EXPECT_EQ(DeclareDpiAwareness("<assembly>").error(), "the manifest has no closing </assembly> tag");
}

}  // namespace
