// Single-instance mode with the test VM, whose event log shows every call of
// secondaryMain: arguments of any number and size, the void form, many later
// starts at once, and executables that must not meet.
#include <set>

#include "single_instance_launch.h"

namespace {

using Lines = std::vector<std::string>;

class SingleInstance : public SingleInstanceLaunch {};

TEST_F(SingleInstance, ArgumentsArriveExactlyWhateverTheirNumberAndSize) {
  application(kIntSecondaryMain);
  startFirst();
  // 1041 bytes as the later start sends them (each argument and a zero byte);
  // then 24 file names of 255 characters, 6 KB.
  const std::string longPath(1040, 'p');
  std::vector<std::string> fileNames;
  std::string servedNames;
  for (char k = 0; k < 24; ++k) {
    fileNames.push_back(std::string(251, static_cast<char>('a' + k)) + ".txt");
    servedNames += (k ? " [" : "[") + fileNames.back() + "]";
  }
  EXPECT_EQ(startLater({}).exitCode, 7);
  EXPECT_EQ(startLater({"a", "", "b"}).exitCode, 7);
  EXPECT_EQ(startLater({longPath}).exitCode, 7);
  EXPECT_EQ(startLater(fileNames).exitCode, 7);
  EXPECT_EQ(servedArguments(), (Lines{"{}", "{[a] [] [b]}", "{[" + longPath + "]}", "{" + servedNames + "}"}));
  EXPECT_EQ(endFirst().exitCode, 0);
}

TEST_F(SingleInstance, VoidSecondaryMainEndsTheLaterStartWithZero) {
  application("method secondaryMain ([Ljava/lang/String;)V\nreturn\n");
  startFirst();
  EXPECT_EQ(startLater({"a"}).exitCode, 0);
  // The reply comes before the void call, so the call may still be on its way.
  awaitEvent("call app/Main secondaryMain");
  EXPECT_EQ(events("call app/Main secondaryMain"), Lines{"call app/Main secondaryMain ([Ljava/lang/String;)V {[a]}"});
  endFirst();
}

TEST_F(SingleInstance, ServerThreadsThatStayAttachedLetTheFirstInstanceEnd) {
  application(kIntSecondaryMain, 0, "VM Provider=any\n");  // admits IBM VMs: threads stay attached
  startFirst();
  EXPECT_EQ(startLater({"a"}).exitCode, 7);
  EXPECT_EQ(events("attach Thread-0"), Lines{"attach Thread-0 daemon=1"});
  EXPECT_TRUE(events("detach Thread-0").empty());
  EXPECT_EQ(endFirst().exitCode, 0);
}

TEST_F(SingleInstance, SimultaneousLaterStartsAreEachServedWithTheirOwnArguments) {
  application(kIntSecondaryMain);
  startFirst();
  std::vector<std::future<RunResult>> starts;
  std::multiset<std::string> expected;
  for (int k = 0; k < 20; ++k) {
    const std::string tag = std::to_string(k);
    starts.push_back(std::async(std::launch::async, [this, tag] { return startLater({"start" + tag, tag}); }));
    expected.insert("{[start" + tag + "] [" + tag + "]}");
  }
  for (auto& start : starts) {
    RunResult later = start.get();
    EXPECT_EQ(later.exitCode, 7) << later.output << later.error;
  }
  const Lines served = servedArguments();
  EXPECT_EQ(std::multiset<std::string>(served.begin(), served.end()), expected);
  endFirst();
}

TEST_F(SingleInstance, AnotherExecutableIsAFirstInstanceOfItsOwn) {
  application(kIntSecondaryMain);
  startFirst();
  const std::string other = InstallLauncher(folder_, "other" + ExecutableSuffix());
  folder_.write("other.ini", "[Java Runtime Environment]\nMain Class=app.Other\nJRE Path=" + runtimeFolder() +
                                 "\n[Class Path]\nClass Path=\\classes\n[Application]\nSingle Instance=yes\n");
  script("app/Other", "method main ([Ljava/lang/String;)V\nreturn\n");
  RunOptions options;
  options.environment["TESTVM_LOG"] = folder_.pathOf("other.log");
  EXPECT_EQ(RunProgram(other, options).exitCode, 0);
  EXPECT_NE(folder_.read("other.log").find("call app/Other main"), std::string::npos);
  EXPECT_TRUE(servedArguments().empty());
  endFirst();
}

}  // namespace
