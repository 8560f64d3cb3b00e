// The runtime search of the POSIX launcher, whose runtimes keep their VM
// library in lib/: each library here is a text file, so the launch ends with
// the error line naming the library the search chose.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

std::string LoadFailure(const std::string& library) {
  return "Error: Failed to load Java VM library: " + library + " (errno = 8).\n \n";
}

TEST(PosixRuntimeSearch, JrePathAndTheBundledRuntimeUseTheLibLayout) {
  ScratchFolder folder;
  std::string launcher = InstallLauncher(folder);
  folder.write("rt/lib/client/libjvm.so", "text");
  folder.write("rt/lib/server/libjvm.so", "text");
  folder.write("launcher.ini",
               "[Java Runtime Environment]\nMain Class=a.B\nJRE Path=" + folder.pathOf("rt") + "\nJVM Type=server\n");
  RunResult run = RunProgram(launcher);
  EXPECT_EQ(run.output, LoadFailure(folder.pathOf("rt/lib/server/libjvm.so")));
  EXPECT_EQ(run.exitCode, -1);

  folder.write("jre/lib/libjava.so", "");
  folder.write("jre/lib/amd64/client/libjvm.so", "text");
  folder.write("launcher.ini", "[Java Runtime Environment]\nMain Class=a.B\n");
  EXPECT_EQ(RunProgram(launcher).output, LoadFailure(folder.pathOf("jre/lib/amd64/client/libjvm.so")));
}

}  // namespace
