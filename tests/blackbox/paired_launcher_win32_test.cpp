// The paired-launcher road: a VM library built for i686 cannot be hosted by
// the x86_64 launcher, which starts its paired launcher instead.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "launcher_setup_win32.h"

namespace {

class PairedLauncher : public LauncherSetup {
 protected:
  void SetUp() override {
    LauncherSetup::SetUp();
    CopyFileTo(NativePath(I686_LIBRARY), folder_.pathOf("rt32/bin/client/jvm.dll"));
    CopyFileTo(NativePath(PAIRED_LAUNCHER_STUB), pair_);
  }
  // Settings that choose the i686 runtime, with the given paired launcher.
  void pairSettings(const std::string& pairProduct, const std::string& more = "") const {
    settings("JRE Path=" + folder_.pathOf("rt32") + "\r\n[Application]\r\nPair Product=" + pairProduct + "\r\n" + more);
  }
  // What the pair wrote on start: its current directory, then its command
  // line, from which quotes around its path are dropped (the system may add them).
  std::string pairStart() const {
    std::string start = folder_.read("pair/started.txt");
    start.erase(std::remove(start.begin(), start.end(), '"'), start.end());
    return start;
  }
  bool waitFor(const std::string& file) const {
    for (int waited = 0; waited < 20000 && !folder_.exists(file); waited += 50)
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return folder_.exists(file);
  }

  const std::string pair_ = folder_.pathOf("pair/pair.exe");
};

TEST_F(PairedLauncher, PassesOnThePairsExitCodeWhenAsked) {
  folder_.write("pair/exit-code.txt", "7");
  pairSettings(pair_, "Pair Return Code=yes\r\n");
  RunOptions options;
  options.arguments = {"not", "forwarded"};
  RunResult run = launch(options);
  EXPECT_EQ(run.exitCode, 7);
  EXPECT_EQ(run.output, "");
  EXPECT_TRUE(folder_.exists("pair/done.txt"));
  // The pair sees only its own path, and starts in the launcher's directory.
  EXPECT_EQ(pairStart(), folder_.path() + "\n" + pair_);
}

TEST_F(PairedLauncher, EndsAtOnceWithoutPairReturnCode) {
  folder_.write("pair/exit-code.txt", "7");
  folder_.write("pair/hold.txt", "");
  pairSettings(pair_);
  RunResult run = launch();
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.output, "");
  EXPECT_FALSE(folder_.exists("pair/done.txt"));  // still held
  folder_.write("pair/release.txt", "");
  EXPECT_TRUE(waitFor("pair/done.txt"));
}

TEST_F(PairedLauncher, PairThatCannotStartIsReportedAsFailure) {
  const std::string missing = folder_.pathOf("pair/missing.exe");
  for (const char* returnCode : {"Yes", "no"}) {
    pairSettings(missing, std::string("Pair Return Code=") + returnCode + "\r\n");
    RunResult run = launch();
    EXPECT_EQ(run.output,
              "Error: Failed to start the paired launcher: " + missing + " (errno = 2)." + LineEnd() + " " + LineEnd());
    EXPECT_EQ(run.exitCode, -1) << returnCode;
  }
}

TEST_F(PairedLauncher, PairStartsInTheDirectoryChosenByOverrideWorkingDir) {
  folder_.makeFolder("elsewhere");
  pairSettings(pair_, "Pair Return Code=YES\r\nOverride WorkingDir=yes\r\n");
  RunOptions elsewhere;
  elsewhere.workingDirectory = folder_.pathOf("elsewhere");
  EXPECT_EQ(launch(elsewhere).exitCode, 0);
  EXPECT_EQ(pairStart(), folder_.path() + "\n" + pair_);
}

TEST_F(PairedLauncher, LibrariesThisProcessCanLoadNeedNoPair) {
  // A library beside the executable is never handed over, whatever its machine.
  CopyFileTo(NativePath(I686_LIBRARY), folder_.pathOf("bin/client/jvm.dll"));
  folder_.write("bin/java.dll", "");
  settings("[Application]\r\nPair Product=" + pair_ + "\r\n");
  EXPECT_EQ(loadedLibrary(launch()), library(""));
  EXPECT_FALSE(folder_.exists("pair/started.txt"));

  // Files that are no image for another machine, however malformed, are
  // left to the loader.
  const std::string mz = std::string("MZ") + std::string(0x3A, '\0') + std::string("\xF0\xFF\xFF\x7F", 4);
  for (const std::string& content : {std::string("text"), std::string("MZ"), mz}) {
    folder_.write("odd/bin/client/jvm.dll", content);
    settings("JRE Path=" + folder_.pathOf("odd") + "\r\n[Application]\r\nPair Product=" + pair_ + "\r\n");
    EXPECT_EQ(loadedLibrary(launch()), library("odd"));
  }
  EXPECT_FALSE(folder_.exists("pair/started.txt"));
}

TEST_F(PairedLauncher, WithoutAPairTheLibraryIsLoadedHere) {
  settings("JRE Path=" + folder_.pathOf("rt32") + "\r\n");
  EXPECT_EQ(loadedLibrary(launch()), library("rt32"));
}

TEST_F(PairedLauncher, OtherRegistryViewIsSearchedOnlyForAPair) {
  registerRuntime(kSunJre, "1.7", runtime("other-view"), View::Other);
  settings("");
  expectNoRuntime(launch());
  EXPECT_FALSE(folder_.exists("pair/started.txt"));

  // Found there, the runtime goes to the pair whatever its library holds.
  settings("[Application]\r\nPair Product=" + pair_ + "\r\nPair Return Code=yes\r\n");
  folder_.write("pair/exit-code.txt", "5");
  EXPECT_EQ(launch().exitCode, 5);
  EXPECT_TRUE(folder_.exists("pair/started.txt"));

  // The launcher's own view comes first, even with an older runtime.
  registerRuntime(kSunJre, "1.5", runtime("own-view"));
  EXPECT_EQ(loadedLibrary(launch()), library("own-view"));
}

}  // namespace
