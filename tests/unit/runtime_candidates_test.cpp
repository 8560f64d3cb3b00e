// Which installed runtimes become candidates, how they rank, which is chosen.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "runtime/registry_sources.h"
#include "runtime/runtime_candidates.h"
#include "settings/settings_values.h"
#include "support/text.h"

namespace {

constexpr std::uint16_t kAmd64 = 0x8664, kI386 = 0x014C;

LauncherSettings Settings(const char16_t* jvmSource, const char16_t* vmProvider) {
  LauncherSettings settings;
  settings.maximumVersion = JavaVersion::OpenMaximum();
  ApplyJvmSource(jvmSource, settings);
  ApplyVmProvider(vmProvider, settings);
  return settings;
}

// A file system given as plain data: the files that exist, the release files
// of runtime folders and the machine types of images.
struct FakeFiles {
  std::set<std::u16string> files;
  std::map<std::u16string, ReleaseFacts> releases;
  std::map<std::u16string, std::uint16_t> machines;

  RuntimeProbe probe() const {
    return {[this](const std::u16string& path) { return files.count(path) > 0; },
            [this](const std::u16string& home) {
              auto found = releases.find(home);
              return found == releases.end() ? ReleaseFacts() : found->second;
            },
            [this](const std::u16string& image) -> std::optional<std::uint16_t> {
              auto found = machines.find(image);
              if (found == machines.end()) return std::nullopt;
              return found->second;
            }};
  }
};

FoundRuntime Found(const char16_t* version, const char16_t* home, RuntimeKind kind = RuntimeKind::Jre,
                   RuntimeVendor vendor = RuntimeVendor::Sun) {
  return {u"test", version, home, kind, vendor};
}

std::vector<RuntimeCandidate> Collect(const std::vector<FoundRuntime>& found, const LauncherSettings& settings,
                                      const FakeFiles& files, PathStyle style = PathStyle::Windows) {
  return CollectCandidates(found, settings, files.probe(), kAmd64, style);
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
  // The kinds and vendors of the five keys of Java 1.x to 8, in their order.
  const std::pair<RuntimeKind, RuntimeVendor> sources[] = {
      {RuntimeKind::Jdk, RuntimeVendor::Sun},     {RuntimeKind::Jre, RuntimeVendor::Sun},
      {RuntimeKind::Jre, RuntimeVendor::JRockit}, {RuntimeKind::Jdk, RuntimeVendor::JRockit},
      {RuntimeKind::Jre, RuntimeVendor::Ibm},
  };
  struct Row {
    const char16_t* jvmSource;
    const char16_t* vmProvider;
    const char* searched;  // one letter per kind and vendor above: S searched and favoured, s searched, - not
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
    for (const auto& [kind, vendor] : sources)
      actual += !IsSearched(kind, vendor, settings) ? '-' : IsFavored(kind, vendor, settings) ? 'S' : 's';
    EXPECT_EQ(actual, row.searched) << ToUtf8(row.jvmSource) << " / " << ToUtf8(row.vmProvider);
  }
}

TEST(RuntimeCandidates, EntriesOutsideTheRangeOrWithoutALibraryAreSkipped) {
  LauncherSettings settings = Settings(u"", u"");
  settings.minimumVersion = MinimumVersionSetting(u"1.5");
  settings.maximumVersion = MaximumVersionSetting(u"1.6");
  FakeFiles files;
  files.files = {u"C:\\a\\bin\\client\\jvm.dll", u"C:\\b\\bin\\client\\jvm.dll", u"C:\\c\\bin\\client\\jvm.dll",
                 u"C:\\d\\bin\\client\\jvm.dll", u"C:\\f\\bin\\client\\jvm.dll"};
  std::vector<RuntimeCandidate> found =
      Collect({Found(u"1.4.2", u"C:\\a"), Found(u"1.5", u"C:\\b"), Found(u"1.6.0_45", u"C:\\c\\"),
               Found(u"1.7", u"C:\\d"), Found(u"1.6", u""), Found(u"1.6.0_10", u"C:\\e"), Found(u"1.5.0", u"C:\\f")},
              settings, files);
  EXPECT_EQ(Homes(found), u"C:\\b\\ C:\\c\\ C:\\f\\ ");
  EXPECT_EQ(found[1].version.toText(), u"1.6.0.45");
  EXPECT_EQ(found[1].vmLibrary, u"C:\\c\\bin\\client\\jvm.dll");
}

TEST(RuntimeCandidates, AJdksRuntimeIsItsJreFolderWhenThatHoldsALibraryElseItsOwnFolder) {
  LauncherSettings settings = Settings(u"", u"");
  FakeFiles files;
  files.files = {u"C:\\jdk8\\jre\\bin\\server\\jvm.dll", u"C:\\jdk8\\bin\\server\\jvm.dll",
                 u"C:\\jdk17\\bin\\server\\jvm.dll",     u"C:\\jdk9\\jre\\readme.txt",
                 u"C:\\jdk9\\bin\\server\\jvm.dll",      u"C:\\jre\\jre\\bin\\client\\jvm.dll"};
  std::vector<RuntimeCandidate> found =
      Collect({Found(u"1.8", u"C:\\jdk8", RuntimeKind::Jdk), Found(u"17", u"C:\\jdk17", RuntimeKind::Jdk),
               Found(u"9", u"C:\\jdk9", RuntimeKind::Jdk), Found(u"1.6", u"C:\\jre", RuntimeKind::Jre)},
              settings, files);
  EXPECT_EQ(Homes(found), u"C:\\jdk8\\jre\\ C:\\jdk17\\ C:\\jdk9\\ ");  // a JRE's own jre folder is no runtime
  EXPECT_TRUE(found[0].isServerVm);
  EXPECT_TRUE(found[0].favored);

  files.files = {u"/usr/lib/jvm/jdk17/lib/server/libjvm.so", u"/usr/lib/jvm/jdk8/jre/lib/amd64/server/libjvm.so"};
  found = Collect({Found(u"17.0.15", u"/usr/lib/jvm/jdk17", RuntimeKind::Jdk),
                   Found(u"1.8.0_402", u"/usr/lib/jvm/jdk8", RuntimeKind::Jdk)},
                  settings, files, PathStyle::Posix);
  EXPECT_EQ(Homes(found), u"/usr/lib/jvm/jdk17/ /usr/lib/jvm/jdk8/jre/ ");
}

TEST(RuntimeCandidates, TheReleaseFileGivesTheVersionAndTheVmsMaker) {
  LauncherSettings settings = Settings(u"", u"");
  settings.minimumVersion = MinimumVersionSetting(u"17");
  FakeFiles files;
  for (const char16_t* home : {u"C:\\zulu", u"C:\\semeru", u"C:\\temurin-j9", u"C:\\plain", u"C:\\ibm8"})
    files.files.insert(home + std::u16string(u"\\bin\\server\\jvm.dll"));
  files.releases[u"C:\\zulu"] = {u"17.0.9", u"Azul Systems, Inc.", u""};
  files.releases[u"C:\\semeru"] = {u"17.0.9", u"IBM Corporation", u"Openj9"};
  files.releases[u"C:\\temurin-j9"] = {u"17.0.8", u"Eclipse Adoptium", u"Openj9"};
  files.releases[u"C:\\ibm8"] = {u"1.8.0_391", u"", u""};
  const std::vector<FoundRuntime> found = {Found(u"zulu-17", u"C:\\zulu", RuntimeKind::Jdk),
                                           Found(u"17.0.9.9", u"C:\\semeru", RuntimeKind::Jdk, RuntimeVendor::Sun),
                                           Found(u"17.0.8.1", u"C:\\temurin-j9", RuntimeKind::Jdk),
                                           Found(u"21", u"C:\\plain", RuntimeKind::Jdk, RuntimeVendor::JRockit),
                                           Found(u"21", u"C:\\ibm8", RuntimeKind::Jre, RuntimeVendor::Ibm)};
  // HotSpot builds count as Sun: without "VM Provider" only Zulu, and the
  // runtime without a release file keeps the vendor of the place naming it.
  EXPECT_EQ(Homes(Collect(found, settings, files)), u"C:\\zulu\\ ");
  std::vector<RuntimeCandidate> all = Collect(found, Settings(u"", u"any"), files);
  ASSERT_EQ(all.size(), 5u);
  EXPECT_EQ(all[0].version.toText(), u"17.0.9");  // the release file's, not the key's zulu-17
  EXPECT_EQ(all[1].vendor, RuntimeVendor::Ibm);
  EXPECT_EQ(all[2].vendor, RuntimeVendor::Ibm);
  EXPECT_EQ(all[3].vendor, RuntimeVendor::JRockit);
  EXPECT_EQ(all[4].version.toText(), u"1.8.0.391");
  EXPECT_EQ(all[4].vendor, RuntimeVendor::Ibm);
}

TEST(RuntimeCandidates, ALibraryForAnotherMachineIsSkippedAndOneOfUnknownTypeKept) {
  LauncherSettings settings = Settings(u"", u"");
  FakeFiles files;
  files.files = {u"C:\\x64\\bin\\server\\jvm.dll", u"C:\\x86\\bin\\client\\jvm.dll", u"C:\\text\\bin\\client\\jvm.dll"};
  files.machines = {{u"C:\\x64\\bin\\server\\jvm.dll", kAmd64}, {u"C:\\x86\\bin\\client\\jvm.dll", kI386}};
  const std::vector<FoundRuntime> found = {Found(u"17", u"C:\\x64"), Found(u"17", u"C:\\x86"),
                                           Found(u"17", u"C:\\text")};
  EXPECT_EQ(Homes(CollectCandidates(found, settings, files.probe(), kAmd64, PathStyle::Windows)),
            u"C:\\x64\\ C:\\text\\ ");
  EXPECT_EQ(Homes(CollectCandidates(found, settings, files.probe(), kI386, PathStyle::Windows)),
            u"C:\\x86\\ C:\\text\\ ");
}

TEST(RuntimeCandidates, ARuntimeReachedTwiceCountsOnce) {
  LauncherSettings settings = Settings(u"", u"");
  FakeFiles files;
  files.files = {u"C:\\Java\\jdk-17\\bin\\server\\jvm.dll"};
  std::vector<RuntimeCandidate> found = Collect({Found(u"17.0.9", u"C:\\Java\\jdk-17", RuntimeKind::Jdk),
                                                 Found(u"jdk-17", u"c:\\java\\JDK-17\\", RuntimeKind::Jdk)},
                                                settings, files);
  EXPECT_EQ(Homes(found), u"C:\\Java\\jdk-17\\ ");
}

TEST(RuntimeCandidates, PublicJreIsCheckedClientFirstWhenServerIsFavoured) {
  LauncherSettings settings = Settings(u"", u"any");
  settings.serverVmMode = ServerVmMode::FavorServer;
  FakeFiles files;
  files.files = {u"C:\\j\\bin\\client\\jvm.dll", u"C:\\j\\bin\\server\\jvm.dll"};
  FoundRuntime publicJre = Found(u"1.6", u"C:\\j");
  publicJre.checkedClientFirst = true;
  EXPECT_FALSE(Collect({publicJre}, settings, files)[0].isServerVm);
  EXPECT_TRUE(
      Collect({Found(u"1.6", u"C:\\j", RuntimeKind::Jre, RuntimeVendor::JRockit)}, settings, files)[0].isServerVm);
  settings.serverVmMode = ServerVmMode::ServerOnly;
  EXPECT_TRUE(Collect({publicJre}, settings, files)[0].isServerVm);
  files.files = {u"C:\\j\\bin\\client\\jvm.dll"};
  EXPECT_TRUE(Collect({publicJre}, settings, files).empty());
}

TEST(RegistrySources, NamesGiveTheKindAndVmFoldersTheVendor) {
  EXPECT_EQ(KindOfName(u"zulu-17", RuntimeKind::Jdk), RuntimeKind::Jdk);
  EXPECT_EQ(KindOfName(u"zulu-17-jre", RuntimeKind::Jdk), RuntimeKind::Jre);
  EXPECT_EQ(KindOfName(u"JRE-21", RuntimeKind::Jdk), RuntimeKind::Jre);
  EXPECT_EQ(KindOfName(u"jdk-21", RuntimeKind::Jdk), RuntimeKind::Jdk);
  EXPECT_EQ(VendorOfVm(u"hotspot", RuntimeVendor::Ibm), RuntimeVendor::Sun);
  EXPECT_EQ(VendorOfVm(u"OpenJ9", RuntimeVendor::Sun), RuntimeVendor::Ibm);
  EXPECT_EQ(VendorOfVm(u"other", RuntimeVendor::Sun), RuntimeVendor::Sun);
  // The five keys of Java 1.x to 8 come first, in their order, so ties favour them.
  EXPECT_EQ(std::u16string(kRegistrySources[0].key), u"Software\\JavaSoft\\Java Development Kit\\");
  EXPECT_EQ(std::u16string(kRegistrySources[4].key), u"Software\\IBM\\Java2 Runtime Environment\\");
  EXPECT_TRUE(kRegistrySources[1].checkedClientFirst);
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
