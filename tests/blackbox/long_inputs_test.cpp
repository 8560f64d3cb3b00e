// Inputs far longer than anyone types: a class path of ten thousand entries,
// and a launcher, runtime and output file below folders deeper than 300
// characters. Nothing is cut or lost on the way.
#include "hosted_launch.h"

namespace {

using LongInputs = HostedLaunch;

TEST_F(LongInputs, AClassPathOfTenThousandEntriesReachesTheVmWhole) {
  std::string entries = "\\classes", expected = folder_.pathOf("classes");
  for (int k = 0; k < 10000; ++k) {
    const std::string jar = folder_.pathOf("lib/library-number-" + std::to_string(k) + ".jar");
    entries += ";" + jar;
    expected += ListSeparator() + jar;
  }
  settings("", "[Class Path]\nClass Path=" + entries + "\n");
  script("app/Main", "method main ([Ljava/lang/String;)V\nout property java.class.path\n");
  RunResult run = launch();
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.output.size(), Lines({"property java.class.path [" + expected + "]"}).size());
  EXPECT_TRUE(run.output == Lines({"property java.class.path [" + expected + "]"}));
}

// Windows cannot start a program whose path is that long (CreateProcess
// refuses it as not found), so there the launcher stays in a short folder and
// only what its settings name lies deep.
TEST(LongPaths, FoldersDeeperThan300CharactersHoldTheLauncherRuntimeClassesAndOutputFile) {
  ScratchFolder folder;
  std::string deep;
  for (int k = 0; deep.size() < 300; ++k) deep += "folder-" + std::to_string(k) + "-" + std::string(60, 'd') + "/";
  const std::string launcherFolder = StartsProgramsOfLongPaths() ? deep : "";
  const std::string launcher = InstallLauncher(folder, launcherFolder + "launcher" + ExecutableSuffix());
  CopyFileTo(TestVmLibrary(), folder.pathOf(deep + "jre/" + VmLibraryBelowRuntime()));
  folder.write(deep + "classes/app/Main.tvm", "method main ([Ljava/lang/String;)V\nout text ran\n");
  const std::string outputFile = deep + "logs/" + std::string(150, 'o') + ".log";
  folder.write(launcherFolder + "launcher.ini",
               "[Java Runtime Environment]\nMain Class=app.Main\nJRE Path=" + folder.pathOf(deep + "jre") +
                   "\n[Class Path]\nClass Path=" + folder.pathOf(deep + "classes") +
                   "\n[Application]\nOutput File=" + folder.pathOf(outputFile) + "\n");
  RunOptions options;
  options.workingDirectory = folder.path();  // nor has Windows a current folder that long
  RunResult run = RunProgram(launcher, options);
  EXPECT_EQ(run.output + run.error, "");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(folder.read(outputFile), Lines({"ran"}));
}

}  // namespace
