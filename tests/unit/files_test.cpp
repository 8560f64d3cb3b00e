// The file helpers against the real file system of the platform under test.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "support/files.h"
#include "support/paths.h"

namespace fs = std::filesystem;

namespace {

class Files : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("launcher-files-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  void TearDown() override { fs::remove_all(root_); }

  std::u16string at(const std::string& relative) const {
    std::u16string path = FromUtf8((root_ / relative).make_preferred().string());
    return path;
  }
  void write(const std::string& relative, const std::string& content) const {
    std::ofstream(root_ / relative, std::ios::binary) << content;
  }

  fs::path root_;
};

TEST_F(Files, PathExistsFindsFilesFoldersAndWildcardMatches) {
  write("a.jar", "x");
  fs::create_directories(root_ / "lib");
  EXPECT_TRUE(PathExists(at("a.jar")));
  EXPECT_TRUE(PathExists(at("lib")));
  EXPECT_TRUE(PathExists(at("*.jar")));
  EXPECT_FALSE(PathExists(at("*.war")));
  EXPECT_FALSE(PathExists(at("missing/a.jar")));
}

TEST_F(Files, FindMatchingNamesListsWhatADirectorySearchFinds) {
  write("a.jar", "x");
  write("b.jar", "x");
  write("c.txt", "x");
  write("[x].jar", "x");
  fs::create_directories(root_ / "classes");
  auto sorted = [](std::vector<std::u16string> names) {
    std::sort(names.begin(), names.end());
    return names;
  };
  using Names = std::vector<std::u16string>;
  EXPECT_EQ(sorted(FindMatchingNames(at("*.jar"))), (Names{u"[x].jar", u"a.jar", u"b.jar"}));
  EXPECT_EQ(sorted(FindMatchingNames(at("?.jar"))), (Names{u"a.jar", u"b.jar"}));
  EXPECT_EQ(sorted(FindMatchingNames(at("*"))),
            (Names{u".", u"..", u"[x].jar", u"a.jar", u"b.jar", u"c.txt", u"classes"}));
  EXPECT_EQ(FindMatchingNames(at("a.jar")), (Names{u"a.jar"}));
  EXPECT_EQ(FindMatchingNames(at("classes")), (Names{u"classes"}));
  EXPECT_EQ(FindMatchingNames(at("[x].jar")), (Names{u"[x].jar"}));
  EXPECT_TRUE(FindMatchingNames(at("*.war")).empty());
  EXPECT_TRUE(FindMatchingNames(at("missing/*.jar")).empty());
}

TEST_F(Files, RootedPathExistsRejectsRelativePaths) {
  write("here.txt", "x");
  fs::path previous = fs::current_path();
  fs::current_path(root_);
  EXPECT_FALSE(RootedPathExists(u"here.txt"));
  EXPECT_FALSE(RootedPathExists(u""));
  fs::current_path(previous);
  EXPECT_TRUE(RootedPathExists(at("here.txt")));
}

TEST_F(Files, CreateParentDirectoriesMakesEveryMissingFolderButNotTheFile) {
  EXPECT_EQ(CreateParentDirectories(at("logs/app/out.txt")), 0);
  EXPECT_TRUE(fs::is_directory(root_ / "logs" / "app"));
  EXPECT_FALSE(fs::exists(root_ / "logs" / "app" / "out.txt"));
  EXPECT_EQ(CreateParentDirectories(at("logs/app/again.txt")), 0);  // existing folders pass
  EXPECT_EQ(CreateParentDirectories(at("trailing/name/")), 0);
  EXPECT_TRUE(fs::is_directory(root_ / "trailing"));
  EXPECT_FALSE(fs::exists(root_ / "trailing" / "name"));
}

TEST_F(Files, CreateParentDirectoriesReportsTheFirstFailure) {
  write("file", "x");  // a file where a folder should go: it is the failure
  for (const char* path : {"file/sub/out.txt", "file/out.txt"}) {
    const int error = CreateParentDirectories(at(path));
    EXPECT_TRUE(IsAlreadyExistsError(error)) << path << " " << error;
  }
  EXPECT_FALSE(fs::exists(root_ / "file" / "sub"));
  // What could not be made below an empty folder that was there leaves that folder.
  fs::create_directory(root_ / "kept");
  EXPECT_NE(CreateParentDirectories(at("kept/" + std::string(300, 'n') + "/out.txt")), 0);
  EXPECT_TRUE(fs::is_directory(root_ / "kept"));
  // A folder made for the path goes again when the next one cannot be made.
  EXPECT_NE(CreateParentDirectories(at("made/" + std::string(300, 'n') + "/out.txt")), 0);
  EXPECT_FALSE(fs::exists(root_ / "made"));
}

TEST_F(Files, CreateParentDirectoriesOfARelativePathStartsInTheCurrentFolder) {
  fs::path previous = fs::current_path();
  fs::current_path(root_);
  EXPECT_EQ(CreateParentDirectories(u"logs" + std::u16string(1, kPathSeparator) + u"out" +
                                    std::u16string(1, kPathSeparator) + u"out.txt"),
            0);
  fs::current_path(previous);
  EXPECT_TRUE(fs::is_directory(root_ / "logs" / "out"));
}

TEST_F(Files, CreateParentDirectoriesOfAnExistingFileDoesNothing) {
  write("present.txt", "x");
  EXPECT_EQ(CreateParentDirectories(at("present.txt")), 0);
}

TEST_F(Files, MappedFileViewsTheWholeFile) {
  write("data.bin", std::string("MZ\0\x01tail", 8));
  MappedFile file(at("data.bin"));
  ASSERT_NE(file.view(), nullptr);
  EXPECT_EQ(file.size(), 8u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(file.view()), file.size()), std::string("MZ\0\x01tail", 8));
}

TEST_F(Files, MappedFileOfAnEmptyOrMissingFileHasNoView) {
  write("empty.bin", "");
  EXPECT_EQ(MappedFile(at("empty.bin")).view(), nullptr);
  EXPECT_EQ(MappedFile(at("empty.bin")).size(), 0u);
  EXPECT_EQ(MappedFile(at("missing.bin")).view(), nullptr);
}

}  // namespace
