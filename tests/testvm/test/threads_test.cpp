// Threads: attaching and detaching, their names, and DestroyJavaVM waiting
// for the program's non-daemon threads.
#include "harness.h"

namespace {

using Threads = VmTest;

const char* const workers =
    "method main ([Ljava/lang/String;)V\n"
    "start worker\n"
    "start daemon sleeper\n"
    "out text main done\n"
    "method worker ()V\n"
    "sleep 500\n"
    "out text worker done\n"
    "method sleeper ()V\n"
    "wait flag never\n"
    "out text sleeper woke\n";

TEST_F(Threads, DestroyWaitsForNonDaemonThreadsOnly) {
  defineClass("app/Main", workers);
  Outcome run = host(mainRun("app/Main", {}) + std::vector<std::string>{"destroy"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(
      run.out,
      "host: create 0\nhost: find ok\nhost: static ok\nmain done\nhost: returned\nworker done\nhost: destroy 0\n");
  EXPECT_TRUE(inOrder(log(), {"attach Thread-0 daemon=0", "attach Thread-1 daemon=1", "destroy begin",
                              "detach Thread-0", "destroy end"}));
}

TEST_F(Threads, StopCalledFromAnotherThreadEndsAWaitingMain) {
  defineClass("app/Main",
              "method main ([Ljava/lang/String;)V\n"
              "out text waiting\n"
              "wait flag stopped\n"
              "out text main ends\n"
              "method stop ()V\n"
              "set flag stopped\n");
  std::vector<std::string> stopper = {"spawn",  "sleep", "300", "attach", "-", "find",   "app/Main",
                                      "static", "stop",  "()V", "call",   "0", "detach", "done"};
  Outcome run =
      host(started("app/Main") + stopper +
           std::vector<std::string>{"static", "main", "([Ljava/lang/String;)V", "call", "0", "join", "destroy"});
  // Main waits until the stopper has attached; which of the two returns first is open.
  EXPECT_TRUE(inOrder(linesOf(run.out), {"waiting", "host: attach 0", "main ends", "host: destroy 0"}));
  EXPECT_TRUE(inOrder(linesOf(run.out), {"host: attach 0", "host: returned", "host: returned", "host: destroy 0"}));
  EXPECT_TRUE(inOrder(log(), {"call app/Main main ([Ljava/lang/String;)V {}", "attach Thread-0 daemon=0",
                              "call app/Main stop ()V", "detach Thread-0", "destroy end"}));
}

TEST_F(Threads, WaitFileBlocksUntilTheFileExists) {
  defineClass("app/Main",
              "method main ([Ljava/lang/String;)V\n"
              "out text waiting\n"
              "wait file latch.txt\n"
              "out text released\n");
  // Opening a FileOutputStream creates the latch.
  std::vector<std::string> opener = {"spawn",    "sleep", "300",       "attach", "-",
                                     "redirect", "err",   "latch.txt", "detach", "done"};
  Outcome run =
      host(started("app/Main") + opener +
           std::vector<std::string>{"static", "main", "([Ljava/lang/String;)V", "call", "0", "join", "destroy"});
  // The file exists once the stream is opened, which may be before the host
  // reports the redirection; it cannot be before the opener attached.
  EXPECT_TRUE(inOrder(linesOf(run.out), {"waiting", "released", "host: destroy 0"}));
  EXPECT_TRUE(inOrder(linesOf(run.out), {"host: attach 0", "released"}));
}

TEST_F(Threads, ThreadsAreNamedAsHotSpotNamesThem) {
  defineClass("app/Main",
              "method main ([Ljava/lang/String;)V\n"
              "out thread\n"
              "start worker\n"
              "method worker ()V\n"
              "out thread\n"
              "method name ()V\n"
              "out thread\n");
  std::vector<std::string> name = {"find", "app/Main", "static", "name", "()V", "call", "0"};
  std::vector<std::string> commands = mainRun("app/Main", {}) + std::vector<std::string>{"sleep", "200"};
  for (const char* thread : {"-", "-", "worker"})
    commands = commands + std::vector<std::string>{"spawn", "attach", thread} + name +
               std::vector<std::string>{"detach", "done", "join"};
  Outcome run = host(commands + std::vector<std::string>{"destroy"});
  EXPECT_TRUE(inOrder(linesOf(run.out), {"thread [main]", "thread [Thread-0]", "thread [Thread-1]", "thread [Thread-2]",
                                         "thread [worker]", "host: destroy 0"}));
}

TEST_F(Threads, DetachingWithAPendingExceptionReportsItAsUncaught) {
  Outcome run = host({"create", "redirect", "err", path("err.txt"), "spawn", "attach", "-", "find", "app/Missing",
                      "detach", "done", "join", "destroy"});
  EXPECT_EQ(run.err, "");
  EXPECT_TRUE(
      inOrder(linesOf(read("err.txt")), {"Exception in thread \"Thread-0\" java.lang.NoClassDefFoundError: app/Missing",
                                         "Caused by: java.lang.ClassNotFoundException: app.Missing"}));
}

TEST_F(Threads, UncaughtExceptionEndsAScriptThread) {
  defineClass("app/Main",
              "method main ([Ljava/lang/String;)V\n"
              "start worker\n"
              "method worker ()V\n"
              "throw java/lang/IllegalArgumentException bad worker\n");
  Outcome run = host(mainRun("app/Main", {}) + std::vector<std::string>{"destroy"});
  EXPECT_EQ(run.out, "host: create 0\nhost: find ok\nhost: static ok\nhost: returned\nhost: destroy 0\n");
  EXPECT_EQ(run.err,
            "Exception in thread \"Thread-0\" java.lang.IllegalArgumentException: bad worker\n"
            "\tat app.Main.worker(Main.java)\n");
}

TEST_F(Threads, AttachDetachAndGetEnvFollowHotSpot) {
  Outcome run = host({"create", "getenv", "spawn", "getenv", "detach", "attach-daemon", "-", "getenv", "attach", "x",
                      "detach", "done", "join", "detach", "getenv", "destroy"});
  EXPECT_EQ(
      run.out,
      "host: create 0\nhost: getenv 0 same\n"
      "host: getenv -2 null\nhost: detach 0\nhost: attach 0\nhost: getenv 0 same\nhost: attach 0\nhost: detach 0\n"
      "host: detach 0\nhost: getenv -2 null\nhost: destroy 0\n");
  // Attaching an attached thread hands back its env: no second attach.
  EXPECT_TRUE(inOrder(log(), {"attach Thread-0 daemon=1", "detach Thread-0", "detach main",
                              "attach DestroyJavaVM daemon=0", "destroy end"}));
}

}  // namespace
