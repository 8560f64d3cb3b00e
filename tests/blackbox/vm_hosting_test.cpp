// The launcher hosting the test VM: what main receives, what the VM is given,
// and how each ending of a run shows.
#include <filesystem>

#include "hosted_launch.h"

namespace {

constexpr char kPrintArguments[] = "method main ([Ljava/lang/String;)V\nout args\n";

class VmHosting : public HostedLaunch {};

TEST_F(VmHosting, ArgumentsReachMainUnchangedFollowedByTheCmdPieces) {
  settings("", "[Class Path]\nClass Path=\\classes\n[Application]\nCmd=c1 \"c 2\"  \"\" %LAUNCHER_TEST_CMD%\n");
  script("app/Main", kPrintArguments);
  RunOptions options;
  options.arguments = {"one", "two three", "", "\xc3\xa9\xe4\xb8\xad\xf0\x9f\x98\x80", "-nosplash", "/nosplash"};
  options.environment["LAUNCHER_TEST_CMD"] = "from-env";
  RunResult run = launch(options);
  EXPECT_EQ(run.output,
            Lines({"args 9", "arg 0 [one]", "arg 1 [two three]", "arg 2 []", "arg 3 [\\u00e9\\u4e2d\\ud83d\\ude00]",
                   "arg 4 [-nosplash]", "arg 5 [/nosplash]", "arg 6 [c1]", "arg 7 [c 2]", "arg 8 [from-env]"}));
  EXPECT_EQ(run.error, "");
  EXPECT_EQ(run.exitCode, 0);
}

TEST_F(VmHosting, NoArgumentsGiveAnEmptyArray) {
  settings("", "[Class Path]\nClass Path=\\classes\n");
  script("app/Main", kPrintArguments);
  RunResult run = launch();
  EXPECT_EQ(run.output, Lines({"args 0"}));
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(events("call app/Main main"), (std::vector<std::string>{"call app/Main main ([Ljava/lang/String;)V {}"}));
}

TEST_F(VmHosting, TheVmIsGivenTheOptionsInOrder) {
  folder_.write("lib/a.jar", "");
  folder_.write("lib/notes.txt", "");
  const std::string missing = folder_.pathOf("elsewhere/missing.jar");
  settings(
      "Library Path=native\n"
      "Virtual Machine Parameters=-Xss1m  -Dp=\"a b\" -Dq=\"say \"\"hi\"\"\" -Xmx0:64P "
      "-Dv=%LAUNCHER_TEST_VALUE% -Du=%LAUNCHER_TEST_UNDEFINED%\n",
      "[Class Path]\nClass Path=\\lib\\*.jar;\\classes;" + missing +
          ";\\none\\*.jar\n"
          "[Application]\nEmbedded Jar=Yes\n");
  script("app/Main", kPrintArguments);
  RunOptions options;
  options.environment[PathVariable()] = folder_.pathOf("tools");
  options.environment["LAUNCHER_TEST_VALUE"] = "value";
  RunResult run = launch(options);
  EXPECT_EQ(run.exitCode, 0);

  const std::string s = ListSeparator(), slash = PathSeparator();
  EXPECT_EQ(events("option "),
            (std::vector<std::string>{"option extraInfo=null -Djava.library.path=native" + s + folder_.path() + slash +
                                          s + "." + s + folder_.pathOf("tools") + s + runtimeFolder() + slash + "lib",
                                      "option extraInfo=null -Djava.class.path=" + folder_.pathOf("lib/a.jar") + s +
                                          folder_.pathOf("classes") + s + missing + s + launcher_,
                                      "option extraInfo=null -Xss1m", "option extraInfo=null -Dp=a b",
                                      "option extraInfo=null -Dq=say \"hi\"", "option extraInfo=null -Xmx65536K",
                                      "option extraInfo=null -Dv=value",
                                      "option extraInfo=null -Du=%LAUNCHER_TEST_UNDEFINED%"}));
  EXPECT_EQ(events("version"), (std::vector<std::string>{"version 0x10002"}));
  EXPECT_EQ(events("ignoreUnrecognized"), (std::vector<std::string>{"ignoreUnrecognized 0"}));
}

TEST_F(VmHosting, TheProgramSeesTheRuntimeAndTheNewSearchPath) {
  settings("System Path=" + folder_.pathOf("first") + "\n", "[Class Path]\nClass Path=\\classes\n");
  script("app/Main", "method main ([Ljava/lang/String;)V\nout env ZQ_JVM_PATH\nout env " + PathVariable() + "\n");
  RunOptions options;
  options.environment[PathVariable()] = folder_.pathOf("tools");
  RunResult run = launch(options);
  EXPECT_TRUE(events("option extraInfo=null -Djava.library.path").empty());  // no "Library Path", no option
  const std::string s = ListSeparator();
  const std::string bin = runtimeFolder() + PathSeparator() + "bin";
  EXPECT_EQ(run.output,
            Lines({"env ZQ_JVM_PATH [" + vmLibrary() + "]", "env " + PathVariable() + " [" + folder_.pathOf("first") +
                                                                s + folder_.pathOf("tools") + s + bin + "]"}));
}

TEST_F(VmHosting, MainThatReturnsOrThrowsEndsWithZeroAndExitEndsWithItsStatus) {
  settings("", "[Class Path]\nClass Path=\\classes\n");
  script("app/Main", "method main ([Ljava/lang/String;)V\nout text returning\n");
  RunResult run = launch();
  EXPECT_EQ(run.output, Lines({"returning"}));
  EXPECT_EQ(run.exitCode, 0);

  script("app/Main", "method main ([Ljava/lang/String;)V\nthrow java/lang/IllegalStateException boom\n");
  run = launch();
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(run.error, Lines({"Exception in thread \"main\" java.lang.IllegalStateException: boom",
                              "\tat app.Main.main(Main.java)"}));
  EXPECT_EQ(run.exitCode, 0);

  script("app/Main", "method main ([Ljava/lang/String;)V\nexit 3\nout text not reached\n");
  run = launch();
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(run.exitCode, 3);
}

TEST_F(VmHosting, MissingMainClassIsTheVmsErrorThenOursAndTheLaunchEnds) {
  settings("", "[Class Path]\nClass Path=\\classes\n", "app.Missing");
  RunResult run = launch();
  EXPECT_EQ(run.output, Lines({"Error: Could not find the main class app/Missing.", " "}));
  EXPECT_EQ(run.error.rfind("Exception in thread \"main\" java.lang.NoClassDefFoundError: app/Missing", 0), 0u)
      << run.error;
  EXPECT_EQ(run.exitCode, -1);
  // The Java main thread detached, so the VM's destruction did not wait for it.
  EXPECT_EQ(events("detach main"), (std::vector<std::string>{"detach main"}));
  EXPECT_EQ(events("destroy"), (std::vector<std::string>{"destroy begin", "destroy end"}));
}

TEST_F(VmHosting, MissingMainMethodIsTheVmsErrorAlone) {
  settings("", "[Class Path]\nClass Path=\\classes\n");
  script("app/Main", "method other ()V\nreturn\n");
  RunResult run = launch();
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(run.error.rfind("Exception in thread \"main\" java.lang.NoSuchMethodError: ", 0), 0u) << run.error;
  EXPECT_EQ(run.exitCode, -1);
}

TEST_F(VmHosting, EmptyClassPathIsReportedUnlessTheExecutableIsTheJar) {
  settings("", "[Class Path]\nClass Path=\\nothing\\*.jar\n");
  RunResult run = launch();
  EXPECT_EQ(run.output, Lines({"Error: Java Class Path was not specified in INI file. "}));
  EXPECT_EQ(run.exitCode, -1);
  EXPECT_TRUE(events("create").empty());

  settings("", "[Application]\nEmbedded Jar=yES\n");
  run = launch();
  EXPECT_EQ(events("option "), (std::vector<std::string>{"option extraInfo=null -Djava.class.path=" + launcher_}));
}

TEST_F(VmHosting, LibraryThatDoesNotLoadOrLacksAnEntryPointIsReported) {
  settings("", "[Class Path]\nClass Path=\\classes\n");
  folder_.write("jre/" + VmLibraryBelowRuntime(), "not a library");
  RunResult run = launch();
  const std::string loadFailure = "Error: Failed to load Java VM library: " + vmLibrary() + " (errno = ";
  EXPECT_EQ(run.output.rfind(loadFailure, 0), 0u) << run.output;
  EXPECT_EQ(run.exitCode, -1);

  replaceVmLibrary(TestVmLibraryWithoutEntryPoint());
  run = launch();
  EXPECT_EQ(run.output.rfind("Error: Windows exception: cannot find CreateJavaVM JNI (errno = ", 0), 0u) << run.output;
  EXPECT_NE(run.output.find(")." + LineEnd() + " " + LineEnd()), std::string::npos) << run.output;
  EXPECT_EQ(run.exitCode, -1);
}

TEST_F(VmHosting, FailedCreationShowsTheReasonOfEachStatus) {
  settings("", "[Class Path]\nClass Path=\\classes\n");
  const std::pair<int, std::string> reasons[] = {{-1, "unknown"},
                                                 {-2, "thread detached from VM"},
                                                 {-3, "JNI version error"},
                                                 {-4, "not enough memory"},
                                                 {-5, "VM already created"},
                                                 {-6, "invalid arguments"},
                                                 {-7, ""}};
  for (const auto& [status, reason] : reasons) {
    RunOptions options;
    options.environment["TESTVM_CREATE_STATUS"] = std::to_string(status);
    RunResult run = launch(options);
    EXPECT_EQ(run.output, Lines({"Error: JNI exception: failed to create the Java VM", "Reason: " + reason + ".", " "}))
        << status;
    EXPECT_EQ(run.exitCode, -1);
  }
}

TEST_F(VmHosting, UnrecognisedOptionFailsTheCreation) {
  settings("Virtual Machine Parameters=-Xbogus\n", "[Class Path]\nClass Path=\\classes\n");
  RunResult run = launch();
  EXPECT_EQ(run.error, Lines({"Unrecognized option: -Xbogus"}));
  EXPECT_EQ(run.output, Lines({"Error: JNI exception: failed to create the Java VM", "Reason: unknown.", " "}));
  EXPECT_EQ(run.exitCode, -1);
}

TEST_F(VmHosting, TheJavaMainThreadHasTheStackSizeOfXssOrTheVmDefault) {
  settings("Virtual Machine Parameters=-Xss1m\n", "[Class Path]\nClass Path=\\classes\n");
  script("app/Main", "method main ([Ljava/lang/String;)V\nout stack\n");
  EXPECT_EQ(launch().output, Lines({"stack 1048576"}));
  EXPECT_TRUE(events("defaultargs").empty());  // a size was given, so the VM was not asked

  folder_.write("events.log", "");
  settings("", "[Class Path]\nClass Path=\\classes\n");
  RunOptions options;
  options.environment["TESTVM_DEFAULT_STACK_SIZE"] = "3145728";
  EXPECT_EQ(launch(options).output, Lines({"stack 3145728"}));
  EXPECT_EQ(events("defaultargs"), (std::vector<std::string>{"defaultargs 0x10001"}));
}

TEST_F(VmHosting, ProcessWaitsForTheProgramsOtherThreads) {
  const std::string program =
      "method main ([Ljava/lang/String;)V\nstart work\nout text main done\n"
      "method work ()V\nsleep 500\nout text work done\n";
  script("app/Main", program);
  for (const char* provider : {"", "VM Provider=ibm\n"}) {
    settings(provider, "[Class Path]\nClass Path=\\classes\n");
    RunResult run = launch();
    EXPECT_EQ(run.output, Lines({"main done", "work done"})) << provider;
    EXPECT_EQ(run.exitCode, 0);
  }
}

TEST_F(VmHosting, WithIbmAdmittedTheMainThreadStaysAttachedAndTheLaunchStillEnds) {
  settings("VM Provider=favor_ibm\n", "[Class Path]\nClass Path=\\classes\n");
  script("app/Main", kPrintArguments);
  RunResult run = launch();
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_TRUE(events("detach main").empty());
  EXPECT_EQ(events("destroy"), (std::vector<std::string>{"destroy begin", "destroy end"}));

  settings("VM Provider=ibm\n", "[Class Path]\nClass Path=\\classes\n", "app.Missing");
  run = launch();
  EXPECT_EQ(run.exitCode, -1);
  EXPECT_EQ(run.output, Lines({"Error: Could not find the main class app/Missing.", " "}));
}

}  // namespace

namespace {

// A VM that refuses the class-data archive's options (the test VM knows none
// of them) is created once more without them, and the program runs.
TEST_F(VmHosting, AVmThatRefusesTheArchivesOptionsRunsWithout) {
  folder_.write("jre/release", "JAVA_VERSION=\"17.0.9\"\n");
  const std::string vmFolder = vmLibrary().substr(0, vmLibrary().rfind(PathSeparator()));
  CopyFileTo(TestVmLibrary(), vmFolder + PathSeparator() + "classes.jsa");  // a base archive for the check to find
  folder_.write("app.jar", "TESTVM-CLASS app/Main\n" + std::string(kPrintArguments) + "TESTVM-END\n");
  settings("Class Data Sharing=auto\n", "[Class Path]\nClass Path=\\app.jar\n");
  RunOptions options;
  options.environment["LOCALAPPDATA"] = options.environment["XDG_CACHE_HOME"] = folder_.pathOf("cache");
  RunResult run = launch(options);
  EXPECT_EQ(run.output, Lines({"args 0"}));
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(events("create"), (std::vector<std::string>{"create -6", "create 0"}));
  // The temporary file made for the archive went with the archive's options.
  EXPECT_TRUE(std::filesystem::is_empty(std::filesystem::path(folder_.pathOf("cache/launcher"))));
}

}  // namespace
