// The windowed launcher started as Explorer starts it, without a console or
// standard handles: what the Java program writes reaches "Output File" and
// "Error File", and the streams without a file swallow it without failing.
// Runs against launcherw.exe only (blackbox-windowed in tests/CMakeLists.txt);
// its message boxes are tested on an X server (tests/dialog).
#include <future>

#include "guide_examples.h"
#include "hosted_launch.h"
#include "waiting.h"

namespace {

class WindowedLauncher : public HostedLaunch {
 protected:
  RunResult launchFromExplorer() const {
    RunOptions options;
    options.asFromExplorer = true;
    return launch(options);
  }
};

TEST_F(WindowedLauncher, StreamsWithoutAConsoleGoToTheirFilesOrNowhereWithoutFailing) {
  script("app/Main",
         "method main ([Ljava/lang/String;)V\nout text to out\nerr text to err\nout errors\nerr errors\nexit 3\n");
  const struct {
    const char* key;
    const char* file;
    std::string written;
  } cases[] = {
      {"Output File", "out.log", Lines({"to out", "errors out false err false"})},
      {"Error File", "err.log", Lines({"to err", "errors out false err false"})},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.key);
    settings("", "[Class Path]\nClass Path=\\classes\n[Application]\n" + std::string(row.key) + "=" +
                     folder_.pathOf(row.file) + "\n");
    EXPECT_EQ(launchFromExplorer().exitCode, 3);
    EXPECT_EQ(folder_.read(row.file), row.written);
  }
}

// The later start hands its arguments over and ends with secondaryMain's
// result, whichever way each start was made.
TEST_F(WindowedLauncher, LaterStartFromExplorerReachesTheFirstInstance) {
  settings("", "[Class Path]\nClass Path=\\classes\n[Application]\nSingle Instance=yes\nOutput File=" +
                   folder_.pathOf("out.log") + "\n");
  script("app/Main", "method main ([Ljava/lang/String;)V\nwait file " + folder_.pathOf("release") +
                         "\nmethod secondaryMain ([Ljava/lang/String;)I\nout args\nreturn 7\n");
  std::future<RunResult> first = std::async(std::launch::async, [this] { return launchFromExplorer(); });
  AwaitCondition([&] { return !events("call app/Main main").empty(); }, "main of the first instance");
  RunOptions later;
  later.asFromExplorer = true;
  later.arguments = {"from", "explorer"};
  EXPECT_EQ(launch(later).exitCode, 7);
  folder_.write("release", "");
  EXPECT_EQ(first.get().exitCode, 0);
  EXPECT_EQ(folder_.read("out.log"), Lines({"args 2", "arg 0 [from]", "arg 1 [explorer]"}));
}

// The shipping guide's desktop application as its settings file stands:
// started as Explorer starts it, with its output in the user's local
// application data, a later start served by secondaryMain, and a machine
// whose only Java is a 32-bit one left to the paired launcher.
TEST_F(WindowedLauncher, GuideDesktopApplicationServesLaterStartsAndLeaves32BitJavaToItsPair) {
  const std::string studio = InstallProduct(folder_, "desktop-application", "Acme Studio/studio");
  RunOptions options;
  options.asFromExplorer = true;
  options.environment = {{"JAVA_HOME", PlaceRuntime(folder_, "jdk-17", TESTVM_RUNTIME)},
                         {"LOCALAPPDATA", folder_.pathOf("local")}};
  options.arguments = {"first.acme"};
  std::future<RunResult> first = std::async(std::launch::async, [&] { return RunProgram(studio, options); });
  const std::string log = "local/Acme Studio/studio.log";
  AwaitCondition([&] { return folder_.read(log).find("studio.title") != std::string::npos; }, "the first instance");
  RunOptions later = options;
  later.arguments = {"second.acme"};
  EXPECT_EQ(RunProgram(studio, later).exitCode, 5);
  folder_.write("Acme Studio/release", "");
  EXPECT_EQ(first.get().exitCode, 0);
  EXPECT_EQ(folder_.read(log), Lines({"studio", "args 1", "arg 0 [first.acme]", "property studio.title [Acme Studio]",
                                      "secondaryMain", "args 1", "arg 0 [second.acme]", "studio ends"}));

  const std::string pairFolder = "C:\\Program Files (x86)\\Acme Studio\\";
  CopyFileTo(NativePath(PAIRED_LAUNCHER_STUB), pairFolder + "studio.exe");
  const std::string jdk32 = PlaceRuntime(folder_, "jdk-17-x86", TESTVM_RUNTIME);
  CopyFileTo(NativePath(I686_LIBRARY), jdk32 + "/" + VmLibraryBelowRuntime());
  options.environment["JAVA_HOME"] = jdk32;
  EXPECT_EQ(RunProgram(studio, options).exitCode, 0);
  // The pair writes its command line, its own path, on start.
  AwaitCondition([&] { return !ReadWholeFile(pairFolder + "started.txt").empty(); }, "the paired launcher");
  EXPECT_NE(ReadWholeFile(pairFolder + "started.txt").find(pairFolder + "studio.exe"), std::string::npos);
}

}  // namespace
