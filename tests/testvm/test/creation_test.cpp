// JNI_CreateJavaVM as HotSpot 17 answers it: options, failures and their
// messages, one VM per process.
#include "harness.h"

namespace {

using Creation = VmTest;

TEST_F(Creation, RecordsEveryOptionInOrder) {
  Outcome run = host({"opt", "-Dapp.name=demo", "opt", "-Xmx64m", "hook", "exit", "opt", "-Xss512k", "create"});
  EXPECT_EQ(run.out, "host: create 0\n");
  EXPECT_TRUE(inOrder(log(), {"version 0x10008", "ignoreUnrecognized 0", "option extraInfo=null -Dapp.name=demo",
                              "option extraInfo=null -Xmx64m", "option extraInfo=set exit",
                              "option extraInfo=null -Xss512k", "attach main daemon=0", "create 0"}));
}

TEST_F(Creation, UnrecognizedOptionFailsWithHotSpotsMessage) {
  Outcome run = host({"opt", "-Dfine=1", "opt", "-Xfoo", "create"});
  EXPECT_EQ(run.out, "host: create -1\n");
  EXPECT_EQ(run.err, "Unrecognized option: -Xfoo\n");
  EXPECT_TRUE(inOrder(log(), {"option extraInfo=null -Xfoo", "create -1"}));
}

TEST_F(Creation, UnrecognizedOptionsAreSkippedWhenAsked) {
  Outcome run = host({"ignore", "opt", "-Xfoo", "opt", "foo", "opt", "-XX:+Bogus", "create"});
  EXPECT_EQ(run.out, "host: create 0\n");
  EXPECT_EQ(run.err, "");
  EXPECT_TRUE(inOrder(log(), {"ignoreUnrecognized 1", "create 0"}));
}

TEST_F(Creation, BadValuesFailWithEinvalEvenWhenIgnoringUnknownOptions) {
  // A failed creation may be tried again, so one process goes through them all.
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"-Xmxabc", "Invalid maximum heap size: -Xmxabc"},
      {"-Xmx0", "Invalid maximum heap size: -Xmx0"},
      {"-Xmx1.5g", "Invalid maximum heap size: -Xmx1.5g"},
      {"-Xms", "Invalid initial heap size: -Xms"},
      {"-Xss1x", "Invalid thread stack size: -Xss1x"},
      {"-Xmnabc", "Invalid initial young generation size: -Xmnabc"},
      {"-Xcheck:foo", "Unrecognized check option: -Xcheck:foo"},
      {"-XX:MaxRAMPercentage=x", "Improperly specified VM option 'MaxRAMPercentage=x'"},
      {"-XX:+MaxRAMPercentage", "Unexpected +/- setting in VM option 'MaxRAMPercentage'"},
  };
  std::vector<std::string> commands;
  std::string expectedOut, expectedErr;
  for (const auto& c : cases) {
    commands = commands + std::vector<std::string>{"reset", "ignore", "opt", c.first, "create"};
    expectedOut += "host: create -6\n";
    expectedErr += c.second + "\n";
  }
  Outcome run = host(commands);
  EXPECT_EQ(run.out, expectedOut);
  EXPECT_EQ(run.err, expectedErr);
}

TEST_F(Creation, UnknownXxFlagIsEinvalUnlessIgnored) {
  Outcome run = host({"opt", "-XX:+Bogus", "create", "reset", "opt", "-XX:Bogus=1", "create"});
  EXPECT_EQ(run.out, "host: create -6\nhost: create -6\n");
  EXPECT_EQ(run.err, "Unrecognized VM option 'Bogus'\nUnrecognized VM option 'Bogus=1'\n");
}

TEST_F(Creation, AcceptsTheOptionsHotSpotAccepts) {
  std::vector<std::string> commands;
  for (const char* option : {"-Xmx1g",
                             "-Xms0",
                             "-Xss0",
                             "-Xmn16M",
                             "-Xmx2T",
                             "-Xint",
                             "-Xrs",
                             "-Xbatch",
                             "-Xcheck:jni",
                             "-verbose",
                             "-verbose:gc",
                             "-ea",
                             "-da:com.example...",
                             "-esa",
                             "-dsa",
                             "-enableassertions:Foo",
                             "-disablesystemassertions",
                             "-XX:+UseG1GC",
                             "-XX:-UsePerfData",
                             "-XX:MaxRAMPercentage=50.5",
                             "-XX:MaxMetaspaceSize=128m",
                             "-XX:HeapDumpPath=/x y",
                             "-Xlog:gc",
                             "-Xshare:off",
                             "-Dempty",
                             "-D=nameless"})
    commands = commands + std::vector<std::string>{"opt", option};
  Outcome run = host(commands + std::vector<std::string>{"hook", "vfprintf", "hook", "abort", "create"});
  EXPECT_EQ(run.out, "host: create 0\n");
  EXPECT_EQ(run.err, "");
}

TEST_F(Creation, StatusCanBeForcedThroughTheEnvironment) {
  Outcome run = host({"opt", "-Xmx64m", "create"}, {{"TESTVM_CREATE_STATUS", "-4"}});
  EXPECT_EQ(run.out, "host: create -4\n");
  EXPECT_TRUE(inOrder(log(), {"option extraInfo=null -Xmx64m", "create -4"}));
}

TEST_F(Creation, OnlyOneVmPerProcess) {
  Outcome run = host({"create", "create", "destroy", "create"});
  EXPECT_EQ(run.out, "host: create 0\nhost: create -5\nhost: destroy 0\nhost: create -1\n");
}

TEST_F(Creation, FailedCreationMayBeRetried) {
  Outcome run = host({"opt", "-Xfoo", "create", "reset", "opt", "-Xmx32m", "create"});
  EXPECT_EQ(run.out, "host: create -1\nhost: create 0\n");
}

TEST_F(Creation, UnsupportedVersionIsRefusedBeforeTheOptions) {
  Outcome run = host({"version", "10001", "opt", "-Xfoo", "create", "version", "10003", "create"});
  EXPECT_EQ(run.out, "host: create -3\nhost: create -3\n");
  EXPECT_EQ(run.err, "");
}

TEST_F(Creation, VfprintfHookTakesTheMessagesAfterIt) {
  Outcome run =
      host({"opt", "-Xfoo", "hook", "vfprintf", "create", "reset", "hook", "vfprintf", "opt", "-Xbar", "create"});
  EXPECT_EQ(run.err, "Unrecognized option: -Xfoo\n");
  EXPECT_EQ(run.out, "host: create -1\nhost: vfprintf Unrecognized option: -Xbar\nhost: create -1\n");
}

}  // namespace
