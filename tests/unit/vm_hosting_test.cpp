// The VM-hosting stages against an in-process fake VM: creation, the Java
// main thread, main-class invocation, redirection and the messages on the way.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "fake_jvm.h"
#include "launcher/launcher.h"
#include "support/text.h"
#include "thread_stack.h"
#include "vmhost/java_main_thread.h"
#include "vmhost/vm_library.h"

namespace fs = std::filesystem;

namespace {

using Events = std::vector<std::string>;

class VmHosting : public ::testing::Test {
 protected:
  void SetUp() override {
    jvm.install(launcher);
    launcher.settings.mainClass = u"app/Main";
    launcher.vmOptions = {"-Djava.class.path=C:\\App\\app.jar;", "-Xmx64m", "-Dname=a b"};
    launcher.mainThreadStackSize = 1048576;
  }

  // Runs the Java main thread; the result is what the launcher printed.
  std::string run() {
    ::testing::internal::CaptureStdout();
    exitCode = RunApplication(launcher);
    return ::testing::internal::GetCapturedStdout();
  }

  FakeJvm jvm;
  Launcher launcher;
  int exitCode = -99;
};

TEST_F(VmHosting, MainReceivesTheArgumentsAndTheThreadDetaches) {
  launcher.arguments = {u"one", u"two three", u"", u"-nosplash", u"\u00e9\u4e2d\U0001F600"};
  EXPECT_EQ(run(), "");
  EXPECT_EQ(exitCode, 0);
  EXPECT_EQ(jvm.mainArguments, launcher.arguments);
  EXPECT_EQ(jvm.events, (Events{"main", "detach"}));
  EXPECT_EQ(jvm.liveLocalReferencesAtExit, 0);
  EXPECT_EQ(jvm.heldUtfChars, 0);
}

TEST_F(VmHosting, NoArgumentsGiveAnEmptyArray) {
  EXPECT_EQ(run(), "");
  EXPECT_EQ(exitCode, 0);
  EXPECT_EQ(jvm.events, (Events{"main", "detach"}));
  EXPECT_TRUE(jvm.mainArguments.empty());
}

TEST_F(VmHosting, OptionsReachTheVmInOrderAndUnrecognisedOnesAreNotIgnored) {
  run();
  EXPECT_EQ(jvm.creation.options, launcher.vmOptions);
  EXPECT_TRUE(jvm.creation.everyExtraInfoNull);
  EXPECT_EQ(jvm.creation.version, JNI_VERSION_1_2);
  EXPECT_EQ(jvm.creation.ignoreUnrecognized, JNI_FALSE);
}

TEST_F(VmHosting, FailedCreationReportsTheReasonAndRunsNothing) {
  const std::pair<jint, std::string> cases[] = {{-4, "not enough memory"}, {-1, "unknown"}, {-7, ""}};
  for (const auto& [status, reason] : cases) {
    jvm.createStatus = status;
    EXPECT_EQ(run(), "Error: JNI exception: failed to create the Java VM\nReason: " + reason + ".\n \n");
    EXPECT_EQ(exitCode, 1);
    EXPECT_EQ(launcher.javaVm, nullptr);
  }
  EXPECT_TRUE(jvm.events.empty());
  DestroyVm(launcher);
  EXPECT_TRUE(jvm.events.empty());
}

TEST_F(VmHosting, MissingMainClassIsDescribedThenReportedAndTheThreadStillDetaches) {
  jvm.classes.erase("app/Main");
  EXPECT_EQ(run(), "Error: Could not find the main class app/Main.\n \n");
  EXPECT_EQ(exitCode, 1);
  EXPECT_EQ(jvm.events, (Events{"describe java/lang/NoClassDefFoundError", "detach"}));
  EXPECT_EQ(jvm.liveLocalReferencesAtExit, 0);
  EXPECT_EQ(jvm.heldUtfChars, 0);
}

TEST_F(VmHosting, MissingMainMethodWithItsErrorPendingIsDescribedWithoutMessage) {
  jvm.mainMethodExists = false;
  EXPECT_EQ(run(), "");
  EXPECT_EQ(exitCode, 1);
  EXPECT_EQ(jvm.events, (Events{"describe java/lang/NoSuchMethodError", "detach"}));
}

TEST_F(VmHosting, MissingMainMethodWithoutPendingErrorIsReported) {
  jvm.mainMethodExists = false;
  jvm.missingMethodLeavesError = false;
  EXPECT_EQ(run(), "Error: No main method found in specified class.\n \n");
  EXPECT_EQ(exitCode, 1);
  EXPECT_EQ(jvm.events, (Events{"detach"}));
}

TEST_F(VmHosting, ExceptionEscapingMainIsDescribedAndTheRunSucceeds) {
  jvm.mainThrows = "java/lang/IllegalStateException";
  EXPECT_EQ(run(), "");
  EXPECT_EQ(exitCode, 0);
  EXPECT_EQ(jvm.events, (Events{"main", "describe java/lang/IllegalStateException", "detach"}));
  EXPECT_EQ(jvm.pending, nullptr);
}

TEST_F(VmHosting, FailedDetachFailsTheRun) {
  jvm.detachStatus = JNI_ERR;
  run();
  EXPECT_EQ(exitCode, 1);
}

TEST_F(VmHosting, WithIbmAdmittedTheMainThreadStaysAttachedAndDestroysTheVm) {
  launcher.settings.acceptIbm = true;
  run();
  EXPECT_EQ(exitCode, 0);
  EXPECT_EQ(jvm.events, (Events{"main", "destroy"}));
  EXPECT_EQ(launcher.javaVm, nullptr);
  DestroyVm(launcher);  // teardown finds no VM left
  EXPECT_EQ(jvm.events, (Events{"main", "destroy"}));

  jvm.events.clear();
  jvm.classes.erase("app/Main");
  launcher.settings.acceptIbm = false;
  launcher.settings.favorIbm = true;
  run();
  EXPECT_EQ(exitCode, 1);
  EXPECT_EQ(jvm.events, (Events{"describe java/lang/NoClassDefFoundError", "destroy"}));
}

TEST_F(VmHosting, TeardownDestroysTheVmThatTheMainThreadLeft) {
  run();
  ASSERT_NE(launcher.javaVm, nullptr);
  DestroyVm(launcher);
  EXPECT_EQ(jvm.events, (Events{"main", "detach", "destroy"}));
  EXPECT_EQ(launcher.javaVm, nullptr);
}

class Redirection : public VmHosting {
 protected:
  void SetUp() override {
    VmHosting::SetUp();
    root_ = fs::temp_directory_path() /
            ("launcher-redirect-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root_);
  }
  void TearDown() override { fs::remove_all(root_); }
  std::u16string at(const std::string& relative) const { return FromUtf8((root_ / relative).make_preferred().string()); }

  fs::path root_;
};

TEST_F(Redirection, OutputThenErrorAreInstalledBeforeMainInFoldersMadeForThem) {
  launcher.settings.outputFile = at("logs/app/out.log");
  launcher.settings.errorFile = at("err/err.log");
  EXPECT_EQ(run(), "");
  EXPECT_EQ(exitCode, 0);
  EXPECT_EQ(jvm.events, (Events{"setOut " + ToUtf8(launcher.settings.outputFile),
                                "setErr " + ToUtf8(launcher.settings.errorFile), "main", "detach"}));
  EXPECT_TRUE(fs::is_directory(root_ / "logs" / "app"));
  EXPECT_TRUE(fs::is_directory(root_ / "err"));
  EXPECT_EQ(jvm.liveLocalReferencesAtExit, 0);
}

TEST_F(Redirection, AFileThatCannotBeOpenedIsDescribedOnceAndTheLaunchGoesOn) {
  launcher.settings.outputFile = at("out.log");
  launcher.settings.errorFile = at("err.log");
  jvm.unopenableFiles = {launcher.settings.outputFile};
  EXPECT_EQ(run(), "");
  EXPECT_EQ(exitCode, 0);
  EXPECT_EQ(jvm.events, (Events{"describe java/io/FileNotFoundException",
                                "setErr " + ToUtf8(launcher.settings.errorFile), "main", "detach"}));
}

TEST_F(Redirection, OnlyTheConfiguredStreamIsRedirected) {
  launcher.settings.errorFile = at("err.log");
  run();
  EXPECT_EQ(jvm.events, (Events{"setErr " + ToUtf8(launcher.settings.errorFile), "main", "detach"}));
}

TEST_F(VmHosting, TheJavaMainThreadGetsTheStackSizeAsked) {
  jvm.defaultStackSize = 2097152;
  run();
  EXPECT_TRUE(IsStackSizeAsAsked(jvm.creation.threadStackSize, 1048576u)) << jvm.creation.threadStackSize;
  EXPECT_TRUE(jvm.defaultArgsRecord.empty());  // a size was given, so the VM was not asked
}

TEST_F(VmHosting, WithoutStackSizeTheVmDefaultIsTaken) {
  launcher.mainThreadStackSize = 0;
  jvm.defaultStackSize = 2097152;
  run();
  EXPECT_EQ(launcher.mainThreadStackSize, 2097152u);
  EXPECT_TRUE(IsStackSizeAsAsked(jvm.creation.threadStackSize, 2097152u)) << jvm.creation.threadStackSize;
}

TEST_F(VmHosting, DefaultStackSizeIsAskedWithAZeroedVersionOneOneRecord) {
  jvm.defaultStackSize = 524288;
  EXPECT_EQ(QueryDefaultJavaStackSize(launcher), 524288u);
  ASSERT_FALSE(jvm.defaultArgsRecord.empty());
  std::vector<unsigned char> expected(jvm.defaultArgsRecord.size(), 0);
  const jint version = JNI_VERSION_1_1;
  std::memcpy(expected.data(), &version, sizeof version);
  EXPECT_EQ(jvm.defaultArgsRecord, expected);

  jvm.defaultStackSize = -1;
  EXPECT_EQ(QueryDefaultJavaStackSize(launcher), 0u);
}

TEST(LoadVmLibrary, AMissingLibraryIsReportedWithItsPathAndError) {
  Launcher launcher;
  launcher.vmLibraryPath = FromUtf8((fs::temp_directory_path() / "launcher-no-such" / "jvm.dll").string());
  ::testing::internal::CaptureStdout();
  EXPECT_FALSE(LoadVmLibrary(launcher));
  const std::string output = ::testing::internal::GetCapturedStdout();
  const std::string prefix = "Error: Failed to load Java VM library: " + ToUtf8(launcher.vmLibraryPath) + " (errno = ";
  EXPECT_EQ(output.substr(0, prefix.size()), prefix);
  EXPECT_EQ(output.substr(output.size() - 5), ").\n \n");
  EXPECT_EQ(output.find("errno = 0)"), std::string::npos);
  EXPECT_EQ(launcher.createJavaVm, nullptr);
}

}  // namespace
