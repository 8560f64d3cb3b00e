// Where a runtime folder chosen by the user is remembered.
#include <gtest/gtest.h>

#include "scratch_folder.h"
#include "settings/remembered_runtime.h"
#include "settings/settings_reader.h"
#include "user_settings_base.h"

namespace {

class RememberedRuntime : public ::testing::Test {
 protected:
  RememberedRuntime() {
    settings_.productName = u"Tool: One";
    settings_.productCode = u"{AB}";
    folder_.write("app/tool.ini", "[Java Runtime Environment]\nMain Class=a.B\n");
  }
  std::u16string jrePathIn(const std::string& file) const {
    return SettingsReader(folder_.at(file)).readPlain(u"Java Runtime Environment", u"JRE Path");
  }

  ScratchFolder folder_;
  UserSettingsBaseOverride userBase_{folder_.at("user")};
  LauncherSettings settings_;
  const std::u16string runtime_ = u"C:\\Java\\jre\\";
};

TEST_F(RememberedRuntime, GoesIntoTheUsersFileAndThePairsFile) {
  settings_.pairProduct = folder_.at("pair/pair64.exe");
  RememberRuntimeFolder(folder_.at("app/tool.exe"), settings_, runtime_);
  EXPECT_EQ(jrePathIn("user/Tool One/{AB}/tool.ini"), runtime_);
  EXPECT_EQ(jrePathIn("user/Tool One/{AB}/pair64.ini"), runtime_);
  EXPECT_EQ(jrePathIn("app/tool.ini"), u"");
}

TEST_F(RememberedRuntime, WithoutAPairOnlyTheUsersFileIsWritten) {
  RememberRuntimeFolder(folder_.at("app/tool.exe"), settings_, runtime_);
  EXPECT_EQ(jrePathIn("user/Tool One/{AB}/tool.ini"), runtime_);
  EXPECT_FALSE(folder_.exists("user/Tool One/{AB}/pair64.ini"));
}

TEST_F(RememberedRuntime, AServiceWritesItsOwnSettingsFile) {
  settings_.isService = true;
  settings_.pairProduct = folder_.at("pair/pair64.exe");
  RememberRuntimeFolder(folder_.at("app/tool.exe"), settings_, runtime_);
  EXPECT_EQ(jrePathIn("app/tool.ini"), runtime_);
  EXPECT_EQ(SettingsReader(folder_.at("app/tool.ini")).readPlain(u"Java Runtime Environment", u"Main Class"), u"a.B");
  EXPECT_FALSE(folder_.exists("user"));
}

}  // namespace
