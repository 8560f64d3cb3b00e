// Running a program: arguments, results, exceptions, redirected streams,
// System.exit, and what a script can report about its VM.
#include <filesystem>

#include "harness.h"

namespace {

using Program = VmTest;

const char* const echo =
    "method main ([Ljava/lang/String;)V\n"
    "out args\n"
    "method secondaryMain ([Ljava/lang/String;)I\n"
    "err args\n"
    "return 7\n";

TEST_F(Program, MainSeesEveryArgumentExactly) {
  defineClass("app/Main", echo);
  Outcome run = host(mainRun("app/Main", {"plain", "", "with space", "\xC3\xA9t\xC3\xA9", "\xF0\x9F\x98\x80"}));
  EXPECT_EQ(run.out,
            "host: create 0\nhost: find ok\nhost: static ok\n"
            "args 5\narg 0 [plain]\narg 1 []\narg 2 [with space]\narg 3 [\\u00e9t\\u00e9]\narg 4 [\\ud83d\\ude00]\n"
            "host: returned\n");
  EXPECT_TRUE(inOrder(log(), {"getstaticmethodid app/Main main ([Ljava/lang/String;)V",
                              "call app/Main main ([Ljava/lang/String;)V {[plain] [] [with space] [\\u00e9t\\u00e9] "
                              "[\\ud83d\\ude00]}"}));
}

TEST_F(Program, NewStringUtfDecodesAsHotSpotDoes) {
  defineClass("app/Main", echo);
  // A 4-byte sequence is no modified UTF-8: HotSpot keeps its lead byte and drops the rest.
  Outcome run =
      host(std::vector<std::string>{"strings", "utf"} + mainRun("app/Main", {"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"}));
  EXPECT_NE(run.out.find("arg 0 [\\u00e9\\u20ac\\u00f0]\n"), std::string::npos) << run.out;
}

TEST_F(Program, StringsReadBackAsModifiedUtf8AndUtf16) {
  // Made with NewString, then from a char[] through String(char[]).
  Outcome run = host(
      {"create", "string", "a\xC3\xA9\xF0\x9F\x98\x80", "strings", "chars", "string", "a\xC3\xA9\xF0\x9F\x98\x80"});
  std::string report =
      "host: string length 4 utf-length 9 copied 1 utf 61 c3 a9 ed a0 bd ed b8 80 chars 0061 00e9 d83d de00\n";
  EXPECT_EQ(run.out, "host: create 0\n" + report + report);
}

TEST_F(Program, PendingExceptionsCanBeTakenAndThrownAgain) {
  Outcome run = host({"create", "find", "app/Missing", "rethrow", "check", "describe", "thrownew",
                      "java/lang/IllegalStateException", "made here", "describe"});
  EXPECT_EQ(run.out,
            "host: create 0\nhost: find null\nhost: occurred error 1 throwable 1 pending 0\nhost: pending 1\n"
            "host: thrownew 0\n");
  EXPECT_TRUE(inOrder(linesOf(run.err), {"Exception in thread \"main\" java.lang.NoClassDefFoundError: app/Missing",
                                         "Exception in thread \"main\" java.lang.IllegalStateException: made here"}));
}

TEST_F(Program, UsingADeletedReferenceAbortsLoudly) {
  Outcome run = host({"hook", "abort", "create", "use-deleted"});
  EXPECT_NE(run.status, 0);
  EXPECT_EQ(run.out, "host: create 0\nhost: abort hook\n");
  EXPECT_EQ(run.err.substr(0, 35), "testvm: use of a deleted reference\n");
}

TEST_F(Program, EveryCallFormPassesTheSameArguments) {
  defineClass("app/Main", echo);
  for (const char* form : {"v", "a"}) {
    Outcome run = host(std::vector<std::string>{"via", form} + mainRun("app/Main", {"x", "y"}));
    EXPECT_EQ(run.out, "host: create 0\nhost: find ok\nhost: static ok\nargs 2\narg 0 [x]\narg 1 [y]\nhost: returned\n")
        << form;
  }
}

TEST_F(Program, SecondaryMainReturnsItsValue) {
  defineClass("app/Main", echo);
  for (const char* form : {"variadic", "v", "a"}) {
    Outcome run = host(std::vector<std::string>{"via", form} + started("app/Main") +
                       std::vector<std::string>{"static", "secondaryMain", "([Ljava/lang/String;)I", "call", "1", "z"});
    EXPECT_EQ(run.out, "host: create 0\nhost: find ok\nhost: static ok\nhost: returned 7\n") << form;
    EXPECT_EQ(run.err, "args 1\narg 0 [z]\n") << form;
  }
}

TEST_F(Program, NullArgumentArrayFailsWhereMainReadsIt) {
  defineClass("app/Main", echo);
  Outcome run = host(started("app/Main") +
                     std::vector<std::string>{"static", "main", "([Ljava/lang/String;)V", "call", "null", "describe"});
  EXPECT_EQ(run.err, "Exception in thread \"main\" java.lang.NullPointerException\n\tat app.Main.main(Main.java)\n");
}

TEST_F(Program, ThrownExceptionIsPendingAndDescribedLikeHotSpot) {
  defineClass("app/Main",
              "method main ([Ljava/lang/String;)V\n"
              "out text before\n"
              "throw java/lang/IllegalStateException boom\n"
              "out text after\n");
  Outcome run = host(mainRun("app/Main", {}) + std::vector<std::string>{"check", "describe", "check", "destroy"});
  EXPECT_EQ(run.out,
            "host: create 0\nhost: find ok\nhost: static ok\nbefore\nhost: returned\nhost: pending 1\nhost: pending 0\n"
            "host: destroy 0\n");
  EXPECT_EQ(run.err,
            "Exception in thread \"main\" java.lang.IllegalStateException: boom\n\tat app.Main.main(Main.java)\n");
}

TEST_F(Program, RedirectionTakesOutputButNotHotSpotsOwnPrefix) {
  defineClass("app/Main",
              "method main ([Ljava/lang/String;)V\n"
              "out text to the file\n"
              "err text error line\n"
              "throw java/lang/RuntimeException\n");
  Outcome run = host(std::vector<std::string>{
      "opt", "-Djava.class.path=" + path("classes"), "create", "redirect", "out", path("out.txt"), "redirect", "err",
      path("err.txt"), "find", "app/Main", "static", "main", "([Ljava/lang/String;)V", "call", "0", "describe"});
  EXPECT_EQ(run.out,
            "host: create 0\nhost: redirect ok\nhost: redirect ok\nhost: find ok\nhost: static ok\nhost: returned\n");
  // HotSpot prints "Exception in thread" itself; Throwable.printStackTrace writes to System.err.
  EXPECT_EQ(run.err, "Exception in thread \"main\" ");
  std::string newline = harness::lineSeparator;
  EXPECT_EQ(read("out.txt"), "to the file" + newline);
  EXPECT_EQ(read("err.txt"), "error line" + newline + "java.lang.RuntimeException" + newline +
                                 "\tat app.Main.main(Main.java)" + newline);
  EXPECT_TRUE(inOrder(log(), {"new java/io/FileOutputStream <init> (Ljava/lang/String;)V [" + path("out.txt") + "]",
                              "call java/lang/System setOut (Ljava/io/PrintStream;)V java/io/PrintStream"}));
}

TEST_F(Program, FileOutputStreamInAMissingFolderFails) {
  std::string target = path("missing/out.txt");
  Outcome run = host({"create", "redirect", "out", target, "check", "describe"});
  EXPECT_EQ(run.out, "host: create 0\nhost: redirect failed\nhost: pending 1\n");
  EXPECT_EQ(run.err, "Exception in thread \"main\" java.io.FileNotFoundException: " + target + " (" +
                         harness::missingFolderReason +
                         ")\n"
                         "\tat java.base/java.io.FileOutputStream.open0(Native Method)\n"
                         "\tat java.base/java.io.FileOutputStream.open(FileOutputStream.java:293)\n"
                         "\tat java.base/java.io.FileOutputStream.<init>(FileOutputStream.java:235)\n"
                         "\tat java.base/java.io.FileOutputStream.<init>(FileOutputStream.java:123)\n");
}

TEST_F(Program, ErrorsTellWhetherAWriteToEachStreamHasFailed) {
  // Linux's /dev/full fails every write; Windows has no such device.
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no device that fails writes";
  defineClass("app/Main",
              "method main ([Ljava/lang/String;)V\n"
              "out errors\n"
              "err text lost\n"
              "out errors\n");
  Outcome run = host({"opt", "-Djava.class.path=" + path("classes"), "create", "redirect", "err", "/dev/full", "find",
                      "app/Main", "static", "main", "([Ljava/lang/String;)V", "call", "0"});
  EXPECT_EQ(run.out,
            "host: create 0\nhost: redirect ok\nhost: find ok\nhost: static ok\n"
            "errors out false err false\nerrors out false err true\nhost: returned\n");
}

TEST_F(Program, SystemExitEndsTheProcessWithItsCode) {
  defineClass("app/Main",
              "method main ([Ljava/lang/String;)V\n"
              "out text before\n"
              "exit 3\n"
              "out text after\n");
  Outcome run = host(mainRun("app/Main", {}) + std::vector<std::string>{"destroy"});
  EXPECT_EQ(run.status, 3);
  EXPECT_EQ(run.out, "host: create 0\nhost: find ok\nhost: static ok\nbefore\n");
  EXPECT_TRUE(inOrder(log(), {"call app/Main main ([Ljava/lang/String;)V {}", "exit 3"}));
}

TEST_F(Program, SystemExitCallsTheExitHookFirst) {
  defineClass("app/Main", "method main ([Ljava/lang/String;)V\nexit 5\n");
  Outcome run = host(mainRun("app/Main", {}, {}) + std::vector<std::string>{"destroy"});
  Outcome hooked = host(std::vector<std::string>{"hook", "exit"} + mainRun("app/Main", {}));
  EXPECT_EQ(run.status, 5);
  EXPECT_EQ(hooked.status, 5);
  EXPECT_EQ(hooked.out, "host: create 0\nhost: find ok\nhost: static ok\nhost: exit hook 5\n");
}

TEST_F(Program, ReportsPropertiesEnvironmentAndHeap) {
  defineClass("app/Main",
              "method main ([Ljava/lang/String;)V\n"
              "out property app.mode\n"
              "out property app.empty\n"
              "out property app.absent\n"
              "out property java.class.path\n"
              "out env TESTVM_SAMPLE\n"
              "out env TESTVM_ABSENT\n"
              "out maxheap\n");
  Outcome run = host(mainRun("app/Main", {}, {"-Dapp.mode=fast lane", "-Dapp.empty", "-Xmx64m", "-Xmx96m"}),
                     {{"TESTVM_SAMPLE", "a\\b"}});
  EXPECT_EQ(run.out,
            "host: create 0\nhost: find ok\nhost: static ok\n"
            "property app.mode [fast lane]\nproperty app.empty []\nproperty app.absent null\n"
            "property java.class.path [" +
                path("classes") +
                "]\n"
                "env TESTVM_SAMPLE [a\\b]\nenv TESTVM_ABSENT null\nmaxheap 100663296\nhost: returned\n");
  Outcome unset = host(mainRun("app/Main", {}));
  EXPECT_NE(unset.out.find("maxheap default\n"), std::string::npos) << unset.out;
}

TEST_F(Program, StartedThreadsGetTheStackSizeOfXss) {
  defineClass("app/Main",
              "method main ([Ljava/lang/String;)V\n"
              "start worker\n"
              "method worker ()V\n"
              "out stack\n");
  Outcome run = host(mainRun("app/Main", {}, {"-Xss2m"}) + std::vector<std::string>{"destroy"});
  EXPECT_NE(run.out.find("stack 2097152\n"), std::string::npos) << run.out;
}

TEST_F(Program, UnimplementedJniFunctionAbortsLoudly) {
  defineClass("app/Main", echo);
  Outcome run = host(started("app/Main") + std::vector<std::string>{"unimplemented"});
  EXPECT_NE(run.status, 0);
  // GetSuperclass has index 10 in the function table. (The C runtime may add its own words after.)
  EXPECT_EQ(run.err.substr(0, 38), "testvm: unimplemented JNI function 10\n");
}

}  // namespace
