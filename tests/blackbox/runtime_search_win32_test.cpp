// Which runtime the launcher chooses, seen from outside: every VM library here
// is a text file, so the launch ends with the error line naming the library
// the search chose.
#include <string>

#include "launcher_setup_win32.h"

namespace {

using RuntimeSearch = LauncherSetup;

TEST_F(RuntimeSearch, MissingMainClassEndsBeforeAnySearch) {
  folder_.write("launcher.ini", "[Java Runtime Environment]\r\nJRE Path=" + runtime("rt") + "\r\n");
  RunResult run = launch();
  EXPECT_EQ(run.output, "Error: Main class was not specified in INI file. " + LineEnd());
  EXPECT_EQ(run.exitCode, -1);
}

TEST_F(RuntimeSearch, JrePathWinsOverEverySourceWhateverItsVersion) {
  runtime("", {"client"});
  folder_.write("bin/java.dll", "");
  registerRuntime(kSunJre, "1.6", runtime("registered"));
  const std::string remembered = runtime("remembered");
  settings("JRE Path=" + remembered + "\r\nMaximum Version=1.0\r\n");
  EXPECT_EQ(loadedLibrary(launch()), library("remembered"));
  settings("JRE Path=" + remembered + "\\\r\n");
  EXPECT_EQ(loadedLibrary(launch()), library("remembered"));
}

TEST_F(RuntimeSearch, JrePathWithoutALibraryFallsThrough) {
  folder_.makeFolder("empty");
  registerRuntime(kSunJre, "1.6", runtime("registered"));
  settings("JRE Path=" + folder_.pathOf("empty") + "\r\n");
  EXPECT_EQ(loadedLibrary(launch()), library("registered"));
}

TEST_F(RuntimeSearch, BundledRuntimeIsTheExecutableFolderOrItsJre) {
  registerRuntime(kSunJre, "1.6", runtime("registered"));
  settings("");
  runtime("jre", {"server"});
  folder_.write("jre/bin/java.dll", "");
  EXPECT_EQ(loadedLibrary(launch()), library("jre", "server"));
  runtime("", {"client"});
  folder_.write("bin/java.dll", "");
  EXPECT_EQ(loadedLibrary(launch()), library("", "client"));
}

TEST_F(RuntimeSearch, BundledFolderWithoutALibraryFallsThroughToTheRegistry) {
  folder_.write("bin/java.dll", "");
  registerRuntime(kSunJre, "1.6", runtime("registered"));
  settings("");
  EXPECT_EQ(loadedLibrary(launch()), library("registered"));
}

TEST_F(RuntimeSearch, SourcesAreSearchedInTheirOrder) {
  const char* const sources[] = {kSunJdk, kSunJre, kJRockitJre, kJRockitJdk, kIbmJre};
  std::string expected[5];
  for (int k = 0; k < 5; ++k) {
    std::string home = "rt" + std::to_string(k);
    registerRuntime(sources[k], "1.6", runtime(home));
    // A JDK key names the JDK; the runtime is its "jre" folder.
    if (sources[k] == kSunJdk || sources[k] == kJRockitJdk) home += "/jre";
    runtime(home);
    expected[k] = library(home);
  }
  settings("VM Provider=any\r\n");
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(loadedLibrary(launch()), expected[k]) << sources[k];
    unregister(sources[k], "1.6");
  }
  expectNoRuntime(launch());
}

TEST_F(RuntimeSearch, EntriesWithoutAUsableHomeAreSkipped) {
  registerRuntime(kSunJre, "1.5", runtime("old"));
  registerRuntime(kSunJre, "1.6", "");
  registerRuntime(kSunJre, "1.7", folder_.pathOf("no-library"));
  registerRuntime(kSunJre, "1.8", folder_.pathOf("missing"));
  settings("");
  EXPECT_EQ(loadedLibrary(launch()), library("old"));
}

TEST_F(RuntimeSearch, VersionRangeIsInclusive) {
  for (const char* version : {"1.4.2", "1.5.0_22", "1.6.0_20", "1.7"})
    registerRuntime(kSunJre, version, runtime(version));
  settings("Minimum Version=1.5\r\nMaximum Version=1.6\r\n");
  EXPECT_EQ(loadedLibrary(launch()), library("1.6.0_20"));
  settings("Minimum Version=1.5.0_22\r\nMaximum Version=1.5.0_22\r\n");
  EXPECT_EQ(loadedLibrary(launch()), library("1.5.0_22"));
  settings("Minimum Version=1.8\r\nMaximum Version=any\r\n");
  expectNoRuntime(launch());
  settings("Minimum Version=any\r\nMaximum Version=1.6\r\n[Java Runtime Environment+]\r\nMaximum Version=1.5\r\n");
  EXPECT_EQ(loadedLibrary(launch()), library("1.6.0_20"));  // the section's own value wins
  settings("[Java Runtime Environment+]\r\nMaximum Version=1.5\r\n");
  EXPECT_EQ(loadedLibrary(launch()), library("1.5.0_22"));  // or the continuation's
}

TEST_F(RuntimeSearch, ServerTypeTakesOnlyServerVms) {
  registerRuntime(kSunJre, "1.7", runtime("client-only", {"client"}));
  registerRuntime(kSunJre, "1.6", runtime("both", {"client", "server"}));
  settings("JVM Type=server\r\n");
  EXPECT_EQ(loadedLibrary(launch()), library("both", "server"));
  settings("JVM Type=Server\r\n");  // not the exact word: any VM, client first
  EXPECT_EQ(loadedLibrary(launch()), library("client-only", "client"));
  unregister(kSunJre, "1.6");
  settings("JVM Type=server\r\n");
  expectNoRuntime(launch());
}

TEST_F(RuntimeSearch, FavorServerRanksServerVmsFirstExceptInThePublicJreKey) {
  registerRuntime(kSunJdk, "1.6", folder_.pathOf("jdk"));
  runtime("jdk/jre", {"client", "server"});
  registerRuntime(kSunJre, "1.7", runtime("jre", {"client", "server"}));
  registerRuntime(kJRockitJre, "1.5", runtime("jrockit", {"client", "server"}));
  settings("JVM Type=favor_server\r\nVM Provider=any\r\n");
  EXPECT_EQ(loadedLibrary(launch()), library("jdk/jre", "server"));
  unregister(kSunJdk, "1.6");
  // The public JRE's candidates never count as server VMs, so even an older
  // server VM ranks above it...
  EXPECT_EQ(loadedLibrary(launch()), library("jrockit", "server"));
  unregister(kJRockitJre, "1.5");
  // ...but once chosen, its library is looked up server first.
  EXPECT_EQ(loadedLibrary(launch()), library("jre", "server"));
}

TEST_F(RuntimeSearch, JvmSourceChoosesTheKindsAndTheirFavour) {
  registerRuntime(kSunJdk, "1.6", folder_.pathOf("jdk"));
  runtime("jdk/jre");
  registerRuntime(kSunJre, "1.5", runtime("jre"));
  struct Row {
    const char* settings;
    std::string expected;  // empty: no runtime
  };
  const Row rows[] = {
      {"JVM Source=only_JRE\r\n", library("jre")},
      {"JVM Source=favor_JRE\r\n", library("jre")},                         // favoured beats newer
      {"JVM Source=favor_JRE\r\nVM Provider=any\r\n", library("jdk/jre")},  // no favour without the vendor's
      {"JVM Source=only_JDK\r\n", library("jdk/jre")},
      {"JVM Source=Favor_JRE\r\n", ""},  // unknown: no kind at all
  };
  for (const Row& row : rows) {
    settings(row.settings);
    RunResult run = launch();
    if (row.expected.empty())
      expectNoRuntime(run);
    else
      EXPECT_EQ(loadedLibrary(run), row.expected) << row.settings;
  }
  unregister(kSunJdk, "1.6");
  settings("JVM Source=only_JDK\r\n");
  expectNoRuntime(launch());  // the JRE key is not read at all
}

TEST_F(RuntimeSearch, VmProviderChoosesTheVendors) {
  registerRuntime(kSunJre, "1.5", runtime("sun"));
  registerRuntime(kJRockitJre, "1.6", runtime("jrockit"));
  registerRuntime(kIbmJre, "1.7", runtime("ibm"));
  const std::pair<const char*, std::string> rows[] = {
      {"", library("sun")},
      {"VM Provider=ibmx\r\n", library("sun")},  // misspelt: the default
      {"VM Provider=jrockit\r\n", library("jrockit")},
      {"VM Provider=IBM\r\n", library("ibm")},
      {"VM Provider=Favor_JRockit\r\n", library("jrockit")},
      {"VM Provider=favor_sun\r\n", library("sun")},
      {"VM Provider=any\r\n", library("ibm")},
  };
  for (const auto& [lines, expected] : rows) {
    settings(lines);
    EXPECT_EQ(loadedLibrary(launch()), expected) << lines;
  }
}

TEST_F(RuntimeSearch, RankingTiesKeepTheOrderFound) {
  registerRuntime(kSunJre, "1.6", runtime("jre-1.6"));
  registerRuntime(kSunJre, "1.6.0", runtime("jre-1.6.0"));
  registerRuntime(kSunJdk, "1.6.0.0", folder_.pathOf("jdk"));
  runtime("jdk/jre");
  settings("");
  EXPECT_EQ(loadedLibrary(launch()), library("jdk/jre"));  // the earlier source
  unregister(kSunJdk, "1.6.0.0");
  EXPECT_EQ(loadedLibrary(launch()), library("jre-1.6"));  // the key listed first
}

TEST_F(RuntimeSearch, PreferredVersionsOverrideTheRank) {
  registerRuntime(kSunJre, "1.6.0_20", runtime("1.6"));
  registerRuntime(kSunJre, "1.5.0_22", runtime("1.5"));
  const std::pair<std::string, std::string> rows[] = {
      {"", library("1.6")},
      {"1.5;1.6", library("1.5")},
      {"1.4;;1.5;", library("1.5")},
      {"1.4;1.6.1", library("1.6")},
  };
  for (const auto& [preferred, expected] : rows) {
    settings("Preferred versions=" + preferred + "\r\n");
    EXPECT_EQ(loadedLibrary(launch()), expected) << preferred;
  }
  // A value longer than 255 characters is read whole.
  std::string longList;
  while (longList.size() < 300) longList += "1.4.2_99;";
  settings("Preferred versions=" + longList + "1.5\r\n");
  EXPECT_EQ(loadedLibrary(launch()), library("1.5"));
}

TEST_F(RuntimeSearch, PerUserFileDecidesTheJrePath) {
  registerRuntime(kSunJre, "1.6", runtime("registered"));
  settings("JRE Path=" + runtime("product") + "\r\n[Product Information]\r\nProduct Name=Tool\r\nProduct Code=C1\r\n");
  EXPECT_EQ(loadedLibrary(launch()), library("product"));
  folder_.write("appdata/Tool/C1/launcher.ini", "[Java Runtime Environment]\r\nJRE Path=" + runtime("user") + "\r\n");
  EXPECT_EQ(loadedLibrary(launch()), library("user"));
  folder_.write("appdata/Tool/C1/launcher.ini", "[Java Runtime Environment]\r\n");
  EXPECT_EQ(loadedLibrary(launch()), library("registered"));
}

TEST_F(RuntimeSearch, OverrideWorkingDirMovesToTheExecutableFolder) {
  runtime("rt");
  folder_.makeFolder("elsewhere");
  RunOptions elsewhere;
  elsewhere.workingDirectory = folder_.pathOf("elsewhere");
  settings("JRE Path=rt\r\n");
  expectNoRuntime(launch(elsewhere));
  settings("JRE Path=rt\r\n[Application]\r\nOverride WorkingDir=YES\r\n");
  EXPECT_EQ(loadedLibrary(launch(elsewhere)), "rt\\bin\\client\\jvm.dll");
  settings("JRE Path=rt\r\n[Application]\r\nOverride WorkingDir=Yess\r\n");
  expectNoRuntime(launch(elsewhere));
}

}  // namespace
