// "Output File" and "Error File": the Java program's System.out and
// System.err in files, made afresh at each launch.
#include "hosted_launch.h"

namespace {

constexpr char kTalkingProgram[] =
    "method main ([Ljava/lang/String;)V\nout text to out\nerr text to err\nthrow java/lang/IllegalStateException "
    "boom\n";

class OutputRedirection : public HostedLaunch {
 protected:
  void redirect(const std::string& outputFile, const std::string& errorFile) const {
    std::string lines = "[Class Path]\nClass Path=\\classes\n[Application]\n";
    if (!outputFile.empty()) lines += "Output File=" + outputFile + "\n";
    if (!errorFile.empty()) lines += "Error File=" + errorFile + "\n";
    settings("", lines);
  }
};

// The VM itself writes the head of an uncaught exception's report to the
// process's standard error; the stack trace goes through System.err.
const std::string kReportHead = "Exception in thread \"main\" ";
const std::string kErrorLines =
    Lines({"to err", "java.lang.IllegalStateException: boom", "\tat app.Main.main(Main.java)"});

TEST_F(OutputRedirection, FilesInNewFoldersReceiveTheStreamsAndAreEmptiedAtEachLaunch) {
  script("app/Main", kTalkingProgram);
  redirect(folder_.pathOf("logs/app/out.log"), folder_.pathOf("errors/err.log"));
  for (int launchCount = 0; launchCount < 2; ++launchCount) {
    RunResult run = launch();
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(run.error, kReportHead);
    EXPECT_EQ(folder_.read("logs/app/out.log"), Lines({"to out"}));
    EXPECT_EQ(folder_.read("errors/err.log"), kErrorLines);
  }
  folder_.write("logs/app/out.log", "an older and much longer content\n");
  launch();
  EXPECT_EQ(folder_.read("logs/app/out.log"), Lines({"to out"}));
}

TEST_F(OutputRedirection, OnlyTheConfiguredStreamGoesToItsFile) {
  script("app/Main", kTalkingProgram);
  redirect("", folder_.pathOf("err.log"));
  RunResult run = launch();
  EXPECT_EQ(run.output, Lines({"to out"}));
  EXPECT_EQ(run.error, kReportHead);
  EXPECT_EQ(folder_.read("err.log"), kErrorLines);
}

TEST_F(OutputRedirection, FileNamesHoldEnvironmentReferences) {
  script("app/Main", kTalkingProgram);
  redirect("%LAUNCHER_TEST_LOGS%" + PathSeparator() + "out.log", "");
  RunOptions options;
  options.environment["LAUNCHER_TEST_LOGS"] = folder_.pathOf("from-env");
  launch(options);
  EXPECT_EQ(folder_.read("from-env/out.log"), Lines({"to out"}));
}

TEST_F(OutputRedirection, RelativeFilesAreMadeBelowTheWorkingDirectoryTheLaunchHas) {
  script("app/Main", kTalkingProgram);
  folder_.makeFolder("elsewhere");
  RunOptions startedElsewhere;
  startedElsewhere.workingDirectory = folder_.pathOf("elsewhere");
  redirect(NativePath("logs/new/out.log"), "");
  launch(startedElsewhere);
  EXPECT_EQ(folder_.read("elsewhere/logs/new/out.log"), Lines({"to out"}));
  // "Override WorkingDir" makes the executable's folder the working directory first.
  folder_.write("launcher.ini", folder_.read("launcher.ini") + "Override WorkingDir=yes\n");
  launch(startedElsewhere);
  EXPECT_EQ(folder_.read("logs/new/out.log"), Lines({"to out"}));
}

TEST_F(OutputRedirection, AFolderThatCannotBeMadeLeavesTheStreamOnTheConsoleQuietly) {
  script("app/Main", kTalkingProgram);
  folder_.write("blocker", "a file where a folder would have to be");
  redirect(folder_.pathOf("blocker/out.log"), folder_.pathOf("err.log"));
  RunResult run = launch();
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.output, Lines({"to out"}));
  EXPECT_EQ(run.error, kReportHead);  // no exception of the launcher's making
  EXPECT_EQ(folder_.read("err.log"), kErrorLines);
}

TEST_F(OutputRedirection, AFileThatCannotBeOpenedLeavesTheStreamOnTheConsole) {
  script("app/Main", kTalkingProgram);
  folder_.makeFolder("taken");  // a folder where the file would have to be
  redirect(folder_.pathOf("taken"), folder_.pathOf("err.log"));
  RunResult run = launch();
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.output, Lines({"to out"}));
  // The file stream's failure is printed on the console's standard error,
  // before standard error itself is redirected.
  EXPECT_EQ(run.error.rfind(kReportHead + "java.io.FileNotFoundException: " + folder_.pathOf("taken"), 0), 0u)
      << run.error;
  EXPECT_EQ(folder_.read("err.log"), kErrorLines);
}

}  // namespace
