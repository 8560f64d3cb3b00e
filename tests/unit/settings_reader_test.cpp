#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "settings/ini_file.h"
#include "settings/settings_reader.h"

namespace fs = std::filesystem;

namespace {

TEST(SettingsFilePath, WindowsReplacesAfterTheLastDotOfTheWholePath) {
  EXPECT_EQ(SettingsFilePath(u"C:\\Apps\\tool.exe", PathStyle::Windows), u"C:\\Apps\\tool.ini");
  EXPECT_EQ(SettingsFilePath(u"C:\\My.Apps\\tool", PathStyle::Windows), u"C:\\My.ini");
  EXPECT_EQ(SettingsFilePath(u"C:\\Apps\\tool", PathStyle::Windows), std::nullopt);
}

TEST(SettingsFilePath, PosixLooksAtTheFileNameOnly) {
  EXPECT_EQ(SettingsFilePath(u"/opt/my.app/tool", PathStyle::Posix), u"/opt/my.app/tool.ini");
  EXPECT_EQ(SettingsFilePath(u"/opt/app/tool.bin", PathStyle::Posix), u"/opt/app/tool.ini");
}

TEST(IniFile, LookupFollowsTheProfileRules) {
  const std::u16string text =
      u"; comment\r\n[Application]\r\n Cmd = -x  \r\nName=\"quoted value\"\r\n"
      u"[application]\r\ncmd=second\r\n[Other]\r\nKey=v\r\n";
  EXPECT_EQ(FindIniValue(text, u"APPLICATION", u"cmd"), u"-x");
  EXPECT_EQ(FindIniValue(text, u"Application", u"Name"), u"quoted value");
  EXPECT_EQ(FindIniValue(text, u"Application", u"Key"), u"");
  EXPECT_EQ(FindIniValue(text, u"Other", u"key"), u"v");
  EXPECT_EQ(FindIniValue(text, u"Missing", u"Key"), u"");
}

TEST(IniFile, SettingReplacesOrAddsTheKey) {
  std::u16string text = u"[A]\nk=1\n\n[B]\nx=2\n";
  EXPECT_EQ(SetIniValue(text, u"a", u"K", u"9"), u"[A]\nK=9\n\n[B]\nx=2\n");
  EXPECT_EQ(SetIniValue(text, u"A", u"new", u"3"), u"[A]\nk=1\nnew=3\n\n[B]\nx=2\n");
  EXPECT_EQ(SetIniValue(text, u"C", u"c", u"4"), text + u"[C]\nc=4\n");
  EXPECT_EQ(SetIniValue(u"", u"C", u"c", u"4"), u"[C]\nc=4\n");
}

class SettingsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ =
        fs::temp_directory_path() /
        ("launcher-settings-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".ini");
  }
  void TearDown() override { fs::remove(path_); }
  void write(const std::string& content) { std::ofstream(path_, std::ios::binary) << content; }
  SettingsReader reader() const { return SettingsReader(FromUtf8(fs::path(path_).make_preferred().string())); }

  fs::path path_;
};

TEST_F(SettingsFile, ReadsLongValuesWhole) {
  std::string longValue(1000, 'v');
  write("[Java Runtime Environment]\r\nVirtual Machine Parameters=" + longValue + "\r\n");
  EXPECT_EQ(reader().readPlain(u"Java Runtime Environment", u"Virtual Machine Parameters"), FromUtf8(longValue));
  for (size_t length : {254, 255, 256, 511}) {
    write("[S]\r\nK=" + std::string(length, 'x') + "\r\n");
    EXPECT_EQ(reader().readPlain(u"S", u"K").size(), length);
  }
}

TEST_F(SettingsFile, ContinuationSectionsFillEmptyKeys) {
  write("[Application]\r\nBoth=main\r\n[Application+]\r\nCmd=-x\r\nBoth=ignored\r\nSpaced= -y\r\n");
  const struct {
    const char16_t* key;
    Continuation continuation;
    const char16_t* expected;
  } rows[] = {
      {u"Cmd", Continuation::Words, u" -x"},     // a blank in front keeps the words apart
      {u"Cmd", Continuation::AsWritten, u"-x"},  // a path or a single word must not get one
      {u"Cmd", Continuation::None, u""},
      {u"Spaced", Continuation::AsWritten, u"-y"},  // surrounding blanks are never part of a value
      {u"Both", Continuation::Words, u"main"},
      {u"Both", Continuation::AsWritten, u"main"},
      {u"Missing", Continuation::Words, u""},
      {u"Missing", Continuation::AsWritten, u""},
  };
  for (const auto& row : rows)
    EXPECT_EQ(reader().readValue(u"Application", row.key, row.continuation), row.expected)
        << ToUtf8(row.key) << " " << static_cast<int>(row.continuation);
}

TEST_F(SettingsFile, MissingFileReadsEmpty) {
  EXPECT_EQ(reader().readValue(u"Application", u"Cmd", Continuation::Words), u"");
}

TEST_F(SettingsFile, WrittenValueReadsBack) {
  write("[Java Runtime Environment]\r\nMain Class=a.B\r\n");
  EXPECT_TRUE(WriteSetting(reader().path(), u"Java Runtime Environment", u"JRE Path", u"C:\\Java\\jre\\"));
  EXPECT_EQ(reader().readPlain(u"Java Runtime Environment", u"JRE Path"), u"C:\\Java\\jre\\");
  EXPECT_EQ(reader().readPlain(u"Java Runtime Environment", u"Main Class"), u"a.B");
}

}  // namespace

namespace {

// The same file through the platform's reader: the profile functions on
// Windows, our INI reader elsewhere. Both must read it alike.
TEST_F(SettingsFile, LookupRulesHoldForThePlatformsReader) {
  write(
      "; comment\r\n[ Application ]\r\n  Cmd  =  -x -y  \r\nQuoted=\"a b\"\r\n[application]\r\nCmd=second\r\n"
      "[Other]\r\nOnly=here\r\n");
  EXPECT_EQ(reader().readPlain(u"APPLICATION", u"cmd"), u"-x -y");
  EXPECT_EQ(reader().readPlain(u"Application", u"Quoted"), u"a b");
  EXPECT_EQ(reader().readPlain(u"Application", u"Only"), u"");
  EXPECT_EQ(reader().readPlain(u"other", u"ONLY"), u"here");
}

// Windows' profile functions read and write UTF-16 files with a byte-order
// mark; a written key keeps the file in its encoding, other keys intact.
TEST_F(SettingsFile, Utf16FileReadsAndStaysUtf16WhenWritten) {
  const std::u16string text = u"[Java Runtime Environment]\r\nMain Class=app.M\u00E9in\r\n[Application]\r\nCmd=-x\r\n";
  write(EncodeSettingsText(text, SettingsEncoding::Utf16LittleEndian));
  EXPECT_EQ(reader().readPlain(u"Java Runtime Environment", u"Main Class"), u"app.M\u00E9in");
  ASSERT_TRUE(WriteSetting(reader().path(), u"Java Runtime Environment", u"JRE Path", u"C:\\J\u00E9\\"));
  std::ifstream file(path_, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  EXPECT_EQ(DetectSettingsEncoding(bytes), SettingsEncoding::Utf16LittleEndian);
  EXPECT_EQ(reader().readPlain(u"Java Runtime Environment", u"JRE Path"), u"C:\\J\u00E9\\");
  EXPECT_EQ(reader().readPlain(u"Java Runtime Environment", u"Main Class"), u"app.M\u00E9in");
  EXPECT_EQ(reader().readPlain(u"Application", u"Cmd"), u"-x");
}

}  // namespace
