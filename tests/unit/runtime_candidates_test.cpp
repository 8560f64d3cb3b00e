// Which installed runtimes become candidates, how they rank, which is chosen.
#include <gtest/gtest.h>

#include <set>

#include "runtime/runtime_candidates.h"
#include "settings/settings_values.h"
#include "support/text.h"

namespace {

const RuntimeSource& kSunJdk = kRuntimeSources[0];
const RuntimeSource& kSunJre = kRuntimeSources[1];
const RuntimeSource& kJRockitJre = kRuntimeSources[2];

LauncherSettings Settings(const char16_t* jvmSource, const char16_t* vmProvider) {
  LauncherSettings settings;
  settings.maximumVersion = JavaVersion::OpenMaximum();
  ApplyJvmSource(jvmSource, settings);
  ApplyVmProvider(vmProvider, settings);
  return settings;
}

// A runtime folder per entry: every home below holds the VM libraries named.
PathProbe Libraries(std::set<std::u16string> files) {
  return [files = std::move(files)](const std::u16string& path) { return files.count(path) > 0; };
}

std::vector<RuntimeCandidate> Collect(const RuntimeSource& source, const std::vector<RegisteredRuntime>& entries,
                                      const LauncherSettings& settings, const PathProbe& exists) {
  std::vector<RuntimeCandidate> candidates;
  CollectCandidates(source, entries, settings, exists, candidates, PathStyle::Windows);
  return candidates;
}

RuntimeCandidate Candidate(const char16_t* version, const char16_t* home, bool isServerVm = false,
                           bool favored = false) {
  RuntimeCandidate candidate;
  candidate.version.parse(version, 0);
  candidate.home = home;
  candidate.isServerVm = isServerVm;
  candidate.favored = favored;
  return candidate;
}

std::u16string Homes(const std::vector<RuntimeCandidate>& candidates) {
  std::u16string homes;
  for (const RuntimeCandidate& candidate : candidates) homes += candidate.home + u" ";
  return homes;
}

TEST(RuntimeSources, SearchedAndFavoredFollowKindAndVendorFlags) {
  struct Row {
    const char16_t* jvmSource;
    const char16_t* vmProvider;
    const char* searched;  // one letter per source in table order: S searched and favoured, s searched, - not
  };
  const Row rows[] = {
      {u"", u"", "SS---"},
      {u"favor_JDK", u"", "Ss---"},
      {u"favor_JRE", u"any", "sssss"},  // favour needs the vendor's favour flag too
      {u"only_JDK", u"", "S----"},
      {u"only_JRE", u"favor_ibm", "-ss-S"},
      {u"unknown", u"any", "-----"},
      {u"", u"jrockit", "--SS-"},
      {u"", u"IBM", "----S"},
  };
  for (const Row& row : rows) {
    LauncherSettings settings = Settings(row.jvmSource, row.vmProvider);
    std::string actual;
    for (const RuntimeSource& source : kRuntimeSources)
      actual += !IsSourceSearched(source, settings) ? '-' : IsSourceFavored(source, settings) ? 'S' : 's';
    EXPECT_EQ(actual, row.searched) << ToUtf8(row.jvmSource) << " / " << ToUtf8(row.vmProvider);
  }
}

TEST(RuntimeCandidates, EntriesOutsideTheRangeOrWithoutALibraryAreSkipped) {
  LauncherSettings settings = Settings(u"", u"");
  settings.minimumVersion = MinimumVersionSetting(u"1.5");
  settings.maximumVersion = MaximumVersionSetting(u"1.6");
  PathProbe exists =
      Libraries({u"C:\\a\\bin\\client\\jvm.dll", u"C:\\b\\bin\\client\\jvm.dll", u"C:\\c\\bin\\client\\jvm.dll",
                 u"C:\\d\\bin\\client\\jvm.dll", u"C:\\f\\bin\\client\\jvm.dll"});
  std::vector<RuntimeCandidate> found = Collect(kSunJre,
                                                {{u"1.4.2", u"C:\\a"},
                                                 {u"1.5", u"C:\\b"},
                                                 {u"1.6.0_45", u"C:\\c\\"},
                                                 {u"1.7", u"C:\\d"},
                                                 {u"1.6", u""},
                                                 {u"1.6.0_10", u"C:\\e"},
                                                 {u"1.5.0", u"C:\\f"}},
                                                settings, exists);
  EXPECT_EQ(Homes(found), u"C:\\b\\ C:\\c\\ C:\\f\\ ");
  EXPECT_EQ(found[1].version.toText(), u"1.6.0.45");
}

TEST(RuntimeCandidates, JdkHomesAreTheirJreFolders) {
  LauncherSettings settings = Settings(u"", u"");
  std::vector<RuntimeCandidate> found =
      Collect(kSunJdk, {{u"1.6", u"C:\\jdk"}, {u"1.5", u"C:\\old"}}, settings,
              Libraries({u"C:\\jdk\\jre\\bin\\server\\jvm.dll", u"C:\\old\\bin\\client\\jvm.dll"}));
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].home, u"C:\\jdk\\jre\\");
  EXPECT_TRUE(found[0].isServerVm);
  EXPECT_TRUE(found[0].favored);
}

TEST(RuntimeCandidates, PublicJreIsCheckedClientFirstWhenServerIsFavoured) {
  LauncherSettings settings = Settings(u"", u"any");
  settings.serverVmMode = ServerVmMode::FavorServer;
  PathProbe exists = Libraries({u"C:\\j\\bin\\client\\jvm.dll", u"C:\\j\\bin\\server\\jvm.dll"});
  EXPECT_FALSE(Collect(kSunJre, {{u"1.6", u"C:\\j"}}, settings, exists)[0].isServerVm);
  EXPECT_TRUE(Collect(kJRockitJre, {{u"1.6", u"C:\\j"}}, settings, exists)[0].isServerVm);
  settings.serverVmMode = ServerVmMode::ServerOnly;
  EXPECT_TRUE(Collect(kSunJre, {{u"1.6", u"C:\\j"}}, settings, exists)[0].isServerVm);
  EXPECT_TRUE(Collect(kSunJre, {{u"1.6", u"C:\\j"}}, settings, Libraries({u"C:\\j\\bin\\client\\jvm.dll"})).empty());
}

TEST(RuntimeRanking, LaterLayersOverrideEarlierOnes) {
  struct Row {
    const char* what;
    ServerVmMode mode;
    bool favorKind;
    std::vector<RuntimeCandidate> candidates;
    std::u16string expected;
  };
  const Row rows[] = {
      {"higher versions first",
       ServerVmMode::Any,
       true,
       {Candidate(u"1.5", u"a"), Candidate(u"1.7", u"b"), Candidate(u"1.6.0_20", u"c")},
       u"b c a "},
      {"server ignored unless favoured",
       ServerVmMode::ServerOnly,
       true,
       {Candidate(u"1.5", u"a", true), Candidate(u"1.6", u"b")},
       u"b a "},
      {"server VMs first",
       ServerVmMode::FavorServer,
       true,
       {Candidate(u"1.7", u"a"), Candidate(u"1.5", u"b", true), Candidate(u"1.6", u"c", true)},
       u"c b a "},
      {"favoured first",
       ServerVmMode::FavorServer,
       true,
       {Candidate(u"1.7", u"a", true), Candidate(u"1.5", u"b", false, true)},
       u"b a "},
      {"favour ignored without favorKind",
       ServerVmMode::Any,
       false,
       {Candidate(u"1.5", u"a", false, true), Candidate(u"1.7", u"b")},
       u"b a "},
      {"ties keep their order",
       ServerVmMode::FavorServer,
       true,
       {Candidate(u"1.6", u"a"), Candidate(u"1.6.0", u"b"), Candidate(u"1.6.0.0", u"c"), Candidate(u"1.7", u"d")},
       u"d a b c "},
  };
  for (const Row& row : rows) {
    LauncherSettings settings;
    settings.serverVmMode = row.mode;
    settings.favorKind = row.favorKind;
    std::vector<RuntimeCandidate> candidates = row.candidates;
    RankCandidates(candidates, settings);
    EXPECT_EQ(Homes(candidates), row.expected) << row.what;
  }
}

TEST(RuntimeSelection, PreferredVersionBeatsRank) {
  const std::vector<RuntimeCandidate> ranked = {Candidate(u"1.6.0_20", u"a"), Candidate(u"1.5.0_22", u"b"),
                                                Candidate(u"1.5.0_10", u"c")};
  struct Row {
    std::vector<std::u16string> preferred;
    std::u16string expected;
  };
  const Row rows[] = {
      {{}, u"a"},
      {{u"1.5", u"1.6"}, u"b"},
      {{u"1.4", u"1.5.0_10"}, u"c"},
      {{u"", u"1.5.0.10"}, u"c"},  // an empty entry picks nothing
      {{u"1.4", u"2"}, u"a"},
      {{u"1.6.0_20.1"}, u"a"},  // longer than every candidate: no match
  };
  for (const Row& row : rows) {
    const RuntimeCandidate* chosen = SelectCandidate(ranked, row.preferred);
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->home, row.expected) << ToUtf8(row.expected);
  }
  EXPECT_EQ(SelectCandidate({}, {u"1.5"}), nullptr);
}

}  // namespace

namespace {

TEST(RuntimeCandidates, PosixJdksAreTheirOwnRuntimeUnlessTheyHoldAJreFolder) {
  LauncherSettings settings = Settings(u"", u"");
  std::vector<RuntimeCandidate> candidates;
  CollectCandidates(kSunJdk, {{u"17.0.15", u"/usr/lib/jvm/jdk17"}, {u"1.8.0_402", u"/usr/lib/jvm/jdk8"}}, settings,
                    Libraries({u"/usr/lib/jvm/jdk17/lib/server/libjvm.so", u"/usr/lib/jvm/jdk8/jre",
                               u"/usr/lib/jvm/jdk8/jre/lib/amd64/server/libjvm.so"}),
                    candidates, PathStyle::Posix);
  EXPECT_EQ(Homes(candidates), u"/usr/lib/jvm/jdk17/ /usr/lib/jvm/jdk8/jre/ ");
}

}  // namespace
