// "Class Data Sharing=auto" with the real JVM: the launcher keeps an archive
// of the application's classes in the user's cache, uses it on later starts,
// makes a new one when a jar changes, and the VM never says a word about it.
#include <gtest/gtest.h>

#include <filesystem>
#include <future>
#include <vector>

#include "harness.h"

namespace fs = std::filesystem;

namespace {

class ClassDataSharing : public ::testing::Test {
 protected:
  ClassDataSharing() {
    CopyFileTo(SCENARIO_JAR, folder_.pathOf("app/app.jar"));
    settings("scenario.Args", "Class Data Sharing=auto\n");
  }

  void settings(const std::string& mainClass, const std::string& runtimeLines) const {
    folder_.write("app/tool.ini", "[Java Runtime Environment]\nMain Class=" + mainClass +
                                      "\nJRE Path=" + std::string(REAL_JVM_HOME) + "\n" + runtimeLines +
                                      "[Class Path]\nClass Path=\\app.jar\n");
  }

  RunResult launch(const std::string& cache = "") const {
    RunOptions options;
    options.arguments = {"one"};
    options.environment["XDG_CACHE_HOME"] = cache.empty() ? folder_.pathOf("cache") : cache;
    options.environment["ASAN_OPTIONS"] = "detect_leaks=0";  // the leak checker cannot stop the JVM's threads
    return RunProgram(launcher_, options);
  }

  // The files of the product's archive folder, by extension.
  std::vector<std::string> files(const std::string& extension) const {
    std::vector<std::string> found;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(folder_.pathOf("cache/tool"), ignored))
      if (entry.path().extension() == extension) found.push_back(entry.path().string());
    return found;
  }

  // A dynamic archive that the VM wrote to its end.
  static bool IsWholeArchive(const std::string& path) {
    const std::string bytes = ReadWholeFile(path);
    return bytes.size() > 4096 && bytes.compare(0, 4, "\xa8\xab\x0b\xf0") == 0;
  }

  static void ExpectTheProgramsOwnOutput(const RunResult& run) {
    EXPECT_EQ(run.output, "args 1\narg 0 [one]\n");
    EXPECT_EQ(run.error, "");  // nothing of the archive, on no start
    EXPECT_EQ(run.exitCode, 0);
  }

  ScratchFolder folder_;
  std::string launcher_ = InstallLauncher(folder_, "app/tool");
};

TEST_F(ClassDataSharing, TheFirstStartMakesTheArchiveAndLaterOnesUseIt) {
  ExpectTheProgramsOwnOutput(launch());
  ASSERT_EQ(files(".jsa").size(), 1u);
  const std::string archive = files(".jsa")[0];
  EXPECT_TRUE(IsWholeArchive(archive));
  EXPECT_TRUE(files(".tmp").empty());

  const auto made = fs::last_write_time(archive);
  ExpectTheProgramsOwnOutput(launch());
  EXPECT_EQ(files(".jsa"), std::vector<std::string>{archive});
  EXPECT_GT(fs::last_write_time(archive), made);  // read, and so kept among the recent
}

TEST_F(ClassDataSharing, AReplacedJarGetsANewArchiveAndAStaleOneIsIgnoredSilently) {
  ExpectTheProgramsOwnOutput(launch());
  const std::string first = files(".jsa").at(0);
  fs::last_write_time(folder_.pathOf("app/app.jar"),
                      fs::last_write_time(folder_.pathOf("app/app.jar")) + std::chrono::hours(1));
  ExpectTheProgramsOwnOutput(launch());
  std::vector<std::string> archives = files(".jsa");
  ASSERT_EQ(archives.size(), 2u);
  const std::string second = archives[0] == first ? archives[1] : archives[0];

  // An archive whose jar has changed under it, as if its name had been kept:
  // the VM ignores it, without a word.
  fs::copy_file(first, second, fs::copy_options::overwrite_existing);
  ExpectTheProgramsOwnOutput(launch());
}

TEST_F(ClassDataSharing, TwoStartsAtOnceBothRunAndLeaveOneWholeArchive) {
  std::future<RunResult> one = std::async(std::launch::async, [this] { return launch(); });
  std::future<RunResult> two = std::async(std::launch::async, [this] { return launch(); });
  ExpectTheProgramsOwnOutput(one.get());
  ExpectTheProgramsOwnOutput(two.get());
  ASSERT_EQ(files(".jsa").size(), 1u);
  EXPECT_TRUE(IsWholeArchive(files(".jsa")[0]));
  EXPECT_TRUE(files(".tmp").empty());
}

TEST_F(ClassDataSharing, SystemExitStillLeavesTheArchive) {
  settings("scenario.Exits", "Class Data Sharing=AUTO\n");
  RunResult run = launch();
  EXPECT_EQ(run.output, "before exit\n");
  EXPECT_EQ(run.error, "");
  EXPECT_EQ(run.exitCode, 3);
  ASSERT_EQ(files(".jsa").size(), 1u);
  EXPECT_TRUE(IsWholeArchive(files(".jsa")[0]));
}

TEST_F(ClassDataSharing, ACacheFolderThatCannotBeMadeChangesNothing) {
  folder_.write("not-a-folder", "");
  ExpectTheProgramsOwnOutput(launch(folder_.pathOf("not-a-folder")));
  EXPECT_FALSE(folder_.exists("not-a-folder/tool"));
}

TEST_F(ClassDataSharing, WithoutTheSettingNoFolderIsMade) {
  settings("scenario.Args", "Class Data Sharing=no\n");
  ExpectTheProgramsOwnOutput(launch());
  EXPECT_FALSE(folder_.exists("cache"));
}

}  // namespace
