// The runtimes machines have today, installed the way each vendor's
// installer installs them: its registry key below HKEY_LOCAL_MACHINE or, for
// a per-user install, HKEY_CURRENT_USER; its folder with a release file and
// bin\server\jvm.dll, and no "jre" folder after Java 8. JAVA_HOME, Path and
// a jlink image beside the executable name runtimes too. Every VM library is
// a text file, so the launch ends naming the library chosen; one launch runs
// the test VM to show which runtime started.
#include <windows.h>

#include <string>

#include "hosted_launch.h"
#include "launcher_setup_win32.h"

namespace {

// Under Wine, a library of this name comes from the files, as on Windows,
// rather than from Wine's own stand-in; nothing changes on Windows.
class WineUsesTheFiles {
 public:
  explicit WineUsesTheFiles(const wchar_t* library) : library_(library) {
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\DllOverrides", 0, nullptr, 0, KEY_WRITE, nullptr,
                    &key_, nullptr);
    RegSetValueExW(key_, library_, 0, REG_SZ, reinterpret_cast<const BYTE*>(L"native"), sizeof L"native");
  }
  ~WineUsesTheFiles() {
    RegDeleteValueW(key_, library_);
    RegCloseKey(key_);
  }
  WineUsesTheFiles(const WineUsesTheFiles&) = delete;
  WineUsesTheFiles& operator=(const WineUsesTheFiles&) = delete;

 private:
  const wchar_t* library_;
  HKEY key_ = nullptr;
};

std::string Release(const std::string& version, const std::string& implementor, const std::string& vm = "Hotspot") {
  return "IMPLEMENTOR=\"" + implementor + "\"\r\nJAVA_VERSION=\"" + version + "\"\r\nJVM_VARIANT=\"" + vm + "\"\r\n";
}

struct Installer {
  const char* what;
  const char* key;    // below Software, as the installer writes it
  const char* value;  // the value that names the runtime's folder
  const char* version;
  const char* implementor;
  const char* vm;
};

const Installer kInstallers[] = {
    {"Oracle JDK 21", "JavaSoft\\JDK\\21.0.1", "JavaHome", "21.0.1", "Oracle Corporation", "Hotspot"},
    {"Oracle JDK 17, the family key", "JavaSoft\\JDK\\17", "JavaHome", "17.0.9", "Oracle Corporation", "Hotspot"},
    {"Oracle JRE of the new keys", "JavaSoft\\JRE\\17.0.9", "JavaHome", "17.0.9", "Oracle Corporation", "Hotspot"},
    {"Oracle JDK 11 in the old JDK key", "JavaSoft\\Java Development Kit\\11.0.21", "JavaHome", "11.0.21",
     "Oracle Corporation", "Hotspot"},
    {"Temurin", "Eclipse Adoptium\\JDK\\17.0.9.9\\hotspot\\MSI", "Path", "17.0.9", "Eclipse Adoptium", "Hotspot"},
    {"Temurin JRE", "Eclipse Adoptium\\JRE\\21.0.1.12\\hotspot\\MSI", "Path", "21.0.1", "Eclipse Adoptium", "Hotspot"},
    {"AdoptOpenJDK", "AdoptOpenJDK\\JDK\\11.0.11.9\\hotspot\\MSI", "Path", "11.0.11", "AdoptOpenJDK", "Hotspot"},
    {"AdoptOpenJDK with OpenJ9", "AdoptOpenJDK\\JRE\\11.0.11.9\\openj9\\MSI", "Path", "11.0.11", "AdoptOpenJDK",
     "OpenJ9"},
    {"Eclipse Foundation", "Eclipse Foundation\\JDK\\16.0.2.7\\hotspot\\MSI", "Path", "16.0.2", "Eclipse Foundation",
     "Hotspot"},
    {"Microsoft", "Microsoft\\JDK\\17.0.9.8\\hotspot\\MSI", "Path", "17.0.9", "Microsoft", "Hotspot"},
    {"Semeru", "Semeru\\JDK\\17.0.9.9\\openj9\\MSI", "Path", "17.0.9", "IBM Corporation", "OpenJ9"},
    {"Semeru JRE", "Semeru\\JRE\\11.0.21.9\\openj9\\MSI", "Path", "11.0.21", "IBM Corporation", "OpenJ9"},
    {"Zulu", "Azul Systems\\Zulu\\zulu-17", "InstallationPath", "17.0.9", "Azul Systems, Inc.", "Hotspot"},
    {"Zulu JRE", "Azul Systems\\Zulu\\zulu-21-jre", "InstallationPath", "21.0.1", "Azul Systems, Inc.", "Hotspot"},
    {"Liberica", "BellSoft\\Liberica\\jdk-21", "InstallationPath", "21.0.1", "BellSoft", "Hotspot"},
    {"Liberica JRE", "BellSoft\\Liberica\\jre-17", "InstallationPath", "17.0.9", "BellSoft", "Hotspot"},
    {"SapMachine", "SapMachine\\JDK\\21", "JavaHome", "21.0.1", "SAP SE", "Hotspot"},
};

class InstalledRuntimes : public LauncherSetup {
 protected:
  // Installs a runtime as the installer does and returns its VM library.
  std::string install(const Installer& installer, Root root = Root::Machine, View view = View::Own) {
    const std::string home = std::string("installs/") + installer.what;
    registerInstall(root, view, installer.key, installer.value,
                    modernRuntime(home, Release(installer.version, installer.implementor, installer.vm)));
    return library(home, "server");
  }
  const Installer& installer(const std::string& what) const {
    for (const Installer& row : kInstallers)
      if (row.what == what) return row;
    ADD_FAILURE() << "no installer " << what;
    return kInstallers[0];
  }
};

TEST_F(InstalledRuntimes, EachInstallerIsFoundForTheMachineAndForTheUser) {
  settings("VM Provider=any\r\n");
  for (const Installer& row : kInstallers) {
    for (Root root : {Root::Machine, Root::User}) {
      const std::string expected = install(row, root);
      EXPECT_EQ(loadedLibrary(launch()), expected) << row.what << (root == Root::User ? " for the user" : "");
      removeRegistered();
    }
  }
}

TEST_F(InstalledRuntimes, TheOtherViewIsNotSearchedWithoutAPairedLauncher) {
  settings("");
  install(installer("Temurin"), Root::Machine, View::Other);
  expectNoRuntime(launch());
  const std::string own = install(installer("Zulu"));
  EXPECT_EQ(loadedLibrary(launch()), own);
}

TEST_F(InstalledRuntimes, RankingSpansOldAndNewSources) {
  registerRuntime(kSunJre, "1.8.0_391", runtime("jre8"));
  const std::string temurin = install(installer("Temurin"));
  const std::string zulu21 = install(installer("Zulu JRE"));
  const std::string liberica = install(installer("Liberica"));  // 21.0.1 too, found later: the tie keeps Zulu
  struct Row {
    const char* lines;
    std::string expected;
  };
  const Row rows[] = {
      {"", zulu21},
      {"Maximum Version=17\r\n", temurin},
      {"Maximum Version=1.8\r\n", library("jre8")},
      {"Minimum Version=17.0.10\r\n", zulu21},
      {"Minimum Version=21.0.2\r\n", ""},
      {"Preferred versions=17\r\n", temurin},
      {"Preferred versions=11;1.8\r\n", library("jre8")},
      {"Preferred versions=17.0\r\n", temurin},
      {"JVM Source=only_JDK\r\n", liberica},
      {"JVM Source=favor_JRE\r\nMaximum Version=17\r\n", library("jre8")},  // a favoured JRE beats a newer JDK
  };
  for (const Row& row : rows) {
    settings(row.lines);
    RunResult run = launch();
    if (row.expected.empty())
      expectNoRuntime(run);
    else
      EXPECT_EQ(loadedLibrary(run), row.expected) << row.lines;
  }
}

TEST_F(InstalledRuntimes, TheVmsMakerDecidesTheVendor) {
  const std::string semeru = install(installer("Semeru"));
  const std::string openj9 = install(installer("AdoptOpenJDK with OpenJ9"));
  const std::string microsoft = install(installer("Microsoft"));
  const std::pair<const char*, std::string> rows[] = {
      {"", microsoft},
      {"VM Provider=ibm\r\n", semeru},
      {"VM Provider=ibm\r\nJVM Source=only_JRE\r\n", openj9},
      {"VM Provider=favor_ibm\r\n", semeru},
      {"VM Provider=any\r\nMaximum Version=11\r\n", openj9},
  };
  for (const auto& [lines, expected] : rows) {
    settings(lines);
    EXPECT_EQ(loadedLibrary(launch()), expected) << lines;
  }
}

TEST_F(InstalledRuntimes, OnlyPerUserInstallsAreFoundAndRanked) {
  install(installer("Temurin"), Root::User);
  const std::string newest = install(installer("Liberica"), Root::User);
  settings("");
  EXPECT_EQ(loadedLibrary(launch()), newest);
  settings("Maximum Version=20\r\n");
  EXPECT_EQ(loadedLibrary(launch()), library("installs/Temurin", "server"));
}

TEST_F(InstalledRuntimes, JavaHomeAndTheFirstRuntimeOnPathAreCandidates) {
  const std::string jre17 = install(installer("Liberica JRE"));
  modernRuntime("zip/jdk-21", Release("21.0.1", "Eclipse Adoptium"));
  folder_.write("zip/jdk-21/bin/javac.exe", "");
  modernRuntime("zip/jdk-11", Release("11.0.21", "Eclipse Adoptium"));
  folder_.write("zip/jdk-11/bin/java.exe", "");
  modernRuntime("zip/jdk-22", Release("22", "Eclipse Adoptium"));
  folder_.write("zip/jdk-22/bin/java.exe", "");
  folder_.write("javapath/java.exe", "");  // a stub that starts a runtime found elsewhere

  RunOptions javaHome;
  javaHome.environment["JAVA_HOME"] = folder_.pathOf("zip/jdk-21");
  settings("");
  EXPECT_EQ(loadedLibrary(launch(javaHome)), library("zip/jdk-21", "server"));
  settings("JVM Source=only_JRE\r\n");  // javac.exe makes JAVA_HOME's runtime a JDK
  EXPECT_EQ(loadedLibrary(launch(javaHome)), jre17);

  RunOptions path;
  path.environment["Path"] = folder_.pathOf("javapath") + ";" + folder_.pathOf("zip\\jdk-11\\bin") + ";" +
                             folder_.pathOf("zip\\jdk-22\\bin") + ";C:\\windows\\system32";
  settings("");
  EXPECT_EQ(loadedLibrary(launch(path)), jre17);  // the first runtime on Path is older
  settings("Minimum Version=11\r\nMaximum Version=11.1\r\n");
  EXPECT_EQ(loadedLibrary(launch(path)), library("zip/jdk-11", "server"));
  settings("Minimum Version=22\r\n");
  expectNoRuntime(launch(path));  // only the first runtime on Path counts
}

TEST_F(InstalledRuntimes, AJlinkImageBesideTheExecutableComesAfterJre) {
  install(installer("Zulu"));
  settings("");
  folder_.write("runtime/bin/java.dll", "");
  runtime("runtime", {"server"});
  EXPECT_EQ(loadedLibrary(launch()), library("runtime", "server"));
  folder_.write("jre/bin/java.dll", "");
  runtime("jre", {"client"});
  EXPECT_EQ(loadedLibrary(launch()), library("jre", "client"));
}

TEST_F(InstalledRuntimes, TheChosenInstallIsTheOneThatRuns) {
  const std::string home = modernRuntime("installs/temurin", Release("17.0.9", "Eclipse Adoptium"));
  CopyFileTo(TestVmLibrary(), library("installs/temurin", "server"));
  registerInstall(Root::User, View::Own, "Eclipse Adoptium\\JDK\\17.0.9.9\\hotspot\\MSI", "Path", home + "\\");
  folder_.write("classes/app/Main.tvm", "method main ([Ljava/lang/String;)V\nout env ZQ_JVM_HOME\n");
  settings("Minimum Version=17\r\n[Class Path]\r\nClass Path=\\classes\r\n");
  RunResult run = launch();
  EXPECT_EQ(run.output, Lines({"env ZQ_JVM_HOME [" + home + "]"}));
  EXPECT_EQ(run.exitCode, 0);
}

TEST_F(InstalledRuntimes, TheRuntimesOwnCRuntimeIsTheOneLoaded) {
  const std::string home = modernRuntime("rt", Release("17.0.9", "Eclipse Adoptium"));
  CopyFileTo(NativePath(RUNTIME_BOUND_VM), library("rt", "server"));
  CopyFileTo(NativePath(RUNTIME_LIBRARY), folder_.pathOf("rt/bin/vcruntime140.dll"));
  CopyFileTo(NativePath(PATH_RUNTIME_LIBRARY), folder_.pathOf("elsewhere/vcruntime140.dll"));
  settings("JRE Path=" + home + "\r\n[Class Path]\r\nClass Path=C:\\app.jar\r\n");
  RunOptions options;
  options.environment["Path"] = folder_.pathOf("elsewhere") + ";C:\\windows\\system32;C:\\windows";
  options.environment["TESTVM_LOG"] = folder_.pathOf("events.log");
  // As on Windows, no library of Wine's own is to stand in for the files.
  WineUsesTheFiles files(L"vcruntime140");
  launch(options);
  EXPECT_EQ(folder_.read("events.log"), Lines({"runtime library runtime"}));
}

}  // namespace
