#include "harness.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

std::string InstallLauncher(const ScratchFolder& folder, const std::string& name) {
  std::string target = folder.pathOf(name.empty() ? "launcher" + ExecutableSuffix() : name);
  CopyFileTo(LauncherUnderTest(), target);
  return target;
}

// Selected tests run once more against another launcher (the windowed one, a
// branded one), which the variable LAUNCHER_UNDER_TEST then names.
std::string LauncherUnderTest() {
  const char* other = std::getenv("LAUNCHER_UNDER_TEST");
  return NativePath(other && *other ? other : LAUNCHER_UNDER_TEST);
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
