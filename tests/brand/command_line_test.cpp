#include <gtest/gtest.h>

#include "brand/command_line.h"

namespace {

TEST(CommandLine, OptionsAnywhereAndTheLastStringOfANameWins) {
  Result<BrandingOptions> parsed = ParseCommandLine(
      {"--icon", "app.ico", "in.exe", "--file-version", "1.2.3.4", "--string", "CompanyName=A", "--dpi-aware",
       "--string", "CompanyName=B=C", "--string", "Comments=", "out.exe", "--product-version", "5.6.7.8"});
  ASSERT_TRUE(parsed.ok()) << parsed.error();
  const BrandingOptions& options = parsed.value();
  EXPECT_EQ(options.input, "in.exe");
  EXPECT_EQ(options.output, "out.exe");
  EXPECT_EQ(options.iconFile, "app.ico");
  EXPECT_EQ(options.fileVersion, (VersionNumber{1, 2, 3, 4}));
  EXPECT_EQ(options.productVersion, (VersionNumber{5, 6, 7, 8}));
  EXPECT_EQ(options.strings, (std::map<std::string, std::string>{{"CompanyName", "B=C"}, {"Comments", ""}}));
  EXPECT_TRUE(options.dpiAware);

  const BrandingOptions plain = ParseCommandLine({"in.exe", "out.exe"}).value();
  EXPECT_FALSE(plain.iconFile || plain.fileVersion || plain.productVersion || plain.dpiAware);
  EXPECT_TRUE(plain.strings.empty());
  EXPECT_TRUE(ParseCommandLine({"--help"}).value().help);
}

TEST(CommandLine, RefusesWhatItDoesNotKnowNamingIt) {
  const struct {
    std::vector<std::string> arguments;
    std::string message;
  } cases[] = {
      {{"--colour", "red", "in.exe", "out.exe"}, "unknown option --colour"},
      {{"-i", "app.ico", "in.exe", "out.exe"}, "unknown option -i"},
      {{"in.exe", "out.exe", "--icon"}, "--icon needs a value"},
      {{"--file-version", "1.2.3", "in.exe", "out.exe"},
       "--file-version: not a version of four numbers up to 65535 (A.B.C.D): \"1.2.3\""},
      {{"--string", "Company=Acme", "in.exe", "out.exe"},
       "unknown version string \"Company\" (CompanyName, ProductName, FileDescription, LegalCopyright, "
       "OriginalFilename, InternalName or Comments)"},
      {{"--string", "FileVersion=1.0", "in.exe", "out.exe"},
       "unknown version string \"FileVersion\" (CompanyName, ProductName, FileDescription, LegalCopyright, "
       "OriginalFilename, InternalName or Comments)"},
      {{"--string", "CompanyName", "in.exe", "out.exe"}, "--string takes NAME=VALUE, not \"CompanyName\""},
      {{"in.exe"}, "give INPUT.exe and OUTPUT.exe"},
      {{"in.exe", "out.exe", "more.exe"}, "give INPUT.exe and OUTPUT.exe"},
      {{}, "give INPUT.exe and OUTPUT.exe"},
  };
  for (const auto& c : cases) {
    Result<BrandingOptions> parsed = ParseCommandLine(c.arguments);
    ASSERT_FALSE(parsed.ok()) << c.message;
    EXPECT_EQ(parsed.error(), c.message);
  }
}

}  // namespace
