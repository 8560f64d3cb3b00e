// The runtimes a Linux machine has, wherever distributions, installers and
// users put them: JAVA_HOME, /usr/lib/jvm, /usr/lib64/jvm, /usr/java,
// /opt/java, SDKMAN!'s folder and the first java on PATH. The launches run
// where those places hold only the test's runtimes (runtime_places_posix.sh):
// test-VM runtimes, and runtimes made of links to the real JDK.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "harness.h"
#include "hosted_launch.h"

namespace {

class InstalledRuntimes : public ::testing::Test {
 protected:
  InstalledRuntimes() {
    CopyFileTo(SCENARIO_JAR, folder_.pathOf("app/app.jar"));
    settings("");
  }

  void settings(const std::string& runtimeLines) const {
    folder_.write("app/launcher.ini", "[Java Runtime Environment]\nMain Class=scenario.RuntimeEnvironment\n" +
                                          runtimeLines + "\n[Class Path]\nClass Path=\\app.jar\n");
  }

  // A test-VM runtime of the given version in a folder (below the test's
  // root, "usr/lib/jvm/..." standing for /usr/lib/jvm/...); its home as the
  // launcher sees it.
  std::string testVmRuntime(const std::string& folder, const std::string& version) const {
    CopyFileTo(TestVmLibrary(), folder_.pathOf(folder + "/lib/server/libjvm.so"));
    folder_.write(folder + "/release", "JAVA_VERSION=\"" + version + "\"\nIMPLEMENTOR=\"Eclipse Adoptium\"\n");
    folder_.write(folder + "/bin/java", "");
    return SeenAs(folder);
  }
  // A runtime made of a link to the real JDK.
  std::string realJdk(const std::string& folder) const {
    std::filesystem::create_directories(std::filesystem::path(folder_.pathOf(folder)).parent_path());
    std::filesystem::create_directory_symlink(jdkView(), folder_.pathOf(folder));
    return jdkView();
  }

  RunResult launch(RunOptions options = {}) const {
    options.environment.emplace("JAVA_HOME", "");
    options.environment.emplace("HOME", folder_.pathOf("home"));
    options.environment["LAUNCHER_PATH"] = options.environment.count("PATH") ? options.environment["PATH"] : "";
    options.environment["PATH"] = "/usr/bin:/bin";
    options.workingDirectory = folder_.pathOf("app");
    options.arguments.insert(options.arguments.begin(),
                             {RUNTIME_PLACES, folder_.pathOf("places"), REAL_JVM_HOME, jdkView(), launcher_});
    return RunProgram("/bin/sh", options);
  }

  // What the program prints for the runtime that ran it.
  static std::string RanOn(const std::string& home, const std::string& library = "/lib/server/libjvm.so") {
    return "env ZQ_JVM_PATH [" + home + library + "]\nenv ZQ_JVM_HOME [" + home + "]\n";
  }

  std::string jdkView() const { return folder_.pathOf("jdk-view"); }
  std::string SeenAs(const std::string& folder) const {
    for (const char* place : {"usr/lib/jvm/", "usr/lib64/jvm/", "usr/java/", "opt/java/"})
      if (folder.rfind(std::string("places/") + place, 0) == 0) return "/" + folder.substr(7);
    return folder_.pathOf(folder);
  }

  ScratchFolder folder_;
  std::string launcher_ = InstallLauncher(folder_, "app/launcher");
};

TEST_F(InstalledRuntimes, EachPlaceIsSearched) {
  const std::string places[] = {"places/usr/lib/jvm/temurin-21", "places/usr/lib64/jvm/jre-21",
                                "places/usr/java/jdk-21", "places/opt/java/openjdk",
                                "home/.sdkman/candidates/java/21.0.1-tem"};
  for (const std::string& place : places) {
    const std::string home = testVmRuntime(place, "21.0.1");
    RunResult run = launch();
    EXPECT_EQ(run.output, RanOn(home)) << place << run.error;
    EXPECT_EQ(run.exitCode, 0) << place;
    std::filesystem::remove_all(folder_.pathOf(place));
  }
}

TEST_F(InstalledRuntimes, JavaHomeAndTheFirstJavaOnPathAreCandidatesRankedWithTheOthers) {
  testVmRuntime("places/usr/lib/jvm/java-17", "17.0.9");
  const std::string zip = testVmRuntime("zip/jdk-21", "21.0.1");
  RunOptions javaHome;
  javaHome.environment["JAVA_HOME"] = folder_.pathOf("zip/jdk-21");
  EXPECT_EQ(launch(javaHome).output, RanOn(zip));

  const std::string onPath = testVmRuntime("opt/jdk-22", "22");
  std::filesystem::create_directories(folder_.pathOf("bin"));
  std::filesystem::create_symlink(folder_.pathOf("opt/jdk-22/bin/java"), folder_.pathOf("bin/java"));
  testVmRuntime("later/jdk-23", "23");
  RunOptions path;
  path.environment["PATH"] = folder_.pathOf("bin") + ":" + folder_.pathOf("later/jdk-23/bin");
  EXPECT_EQ(launch(path).output, RanOn(onPath));  // the link resolved; only the first java counts
  settings("Maximum Version=21");
  EXPECT_EQ(launch(path).output, RanOn("/usr/lib/jvm/java-17"));
}

TEST_F(InstalledRuntimes, ARuntimeReachedTwiceCountsOnce) {
  const std::string home = testVmRuntime("places/usr/lib/jvm/java-21", "21.0.1");
  std::filesystem::create_directory_symlink("java-21", folder_.pathOf("places/usr/lib/jvm/default-java"));
  RunOptions options;
  options.environment["JAVA_HOME"] = "/usr/lib/jvm/default-java";
  options.environment["ZQ_LAUNCHER_DEBUG"] = "1";
  RunResult run = launch(options);
  EXPECT_EQ(run.output, RanOn(home));
  EXPECT_NE(run.error.find("[launcher] ranked 1: 21.0.1 " + home + "/lib/server/libjvm.so\n"), std::string::npos)
      << run.error;
  EXPECT_EQ(run.error.find("[launcher] ranked 2:"), std::string::npos) << run.error;
}

TEST_F(InstalledRuntimes, TheRealJvmStartsFromJavaHomePathAndTheOtherPlaces) {
  const std::string expected = RanOn(realJdk("places/usr/java/jdk-17"));
  settings("Minimum Version=17\nMaximum Version=17.99");
  EXPECT_EQ(launch().output, expected);
  std::filesystem::remove(folder_.pathOf("places/usr/java/jdk-17"));

  RunOptions javaHome;
  javaHome.environment["JAVA_HOME"] = realJdk("zip/jdk-17");
  EXPECT_EQ(launch(javaHome).output, expected);

  std::filesystem::create_directories(folder_.pathOf("bin"));
  std::filesystem::create_symlink(jdkView() + "/bin/java", folder_.pathOf("bin/java"));
  RunOptions path;
  path.environment["PATH"] = folder_.pathOf("bin");
  EXPECT_EQ(launch(path).output, expected);
}

}  // namespace
