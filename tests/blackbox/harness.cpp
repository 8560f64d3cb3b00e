#include "harness.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

std::string TestFolder::pathOf(const std::string& relative) const {
  return NativePath((fs::path(path_) / fs::path(relative)).generic_string());
}

void TestFolder::write(const std::string& relative, const std::string& content) const {
  fs::path file = fs::path(pathOf(relative));
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary | std::ios::trunc) << content;
}

std::string TestFolder::read(const std::string& relative) const { return ReadWholeFile(pathOf(relative)); }

bool TestFolder::exists(const std::string& relative) const { return fs::exists(fs::path(pathOf(relative))); }

void TestFolder::makeFolder(const std::string& relative) const { fs::create_directories(fs::path(pathOf(relative))); }

std::string TestFolder::installLauncher(const std::string& name) const {
  std::string target = pathOf(name.empty() ? "launcher" + ExecutableSuffix() : name);
  CopyFileTo(LauncherUnderTest(), target);
  return target;
}

TestFolder::~TestFolder() {
  std::error_code ignored;
  fs::remove_all(fs::path(path_), ignored);
}

std::string LauncherUnderTest() {
  const char* other = std::getenv("LAUNCHER_UNDER_TEST");
  return NativePath(other ? other : LAUNCHER_UNDER_TEST);
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream file(fs::path(path), std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

void CopyFileTo(const std::string& from, const std::string& to) {
  fs::create_directories(fs::path(to).parent_path());
  fs::copy_file(fs::path(from), fs::path(to), fs::copy_options::overwrite_existing);
}
