#include "scratch_folder.h"

#include <fstream>
#include <sstream>

#ifdef _WIN32
#include <process.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() {
  static unsigned counter = 0;
  // A name no other test process uses, and none left behind by an earlier run.
  do {
    root_ = fs::temp_directory_path() / ("launcher-test-" + std::to_string(getpid()) + "-" + std::to_string(++counter));
  } while (!fs::create_directory(root_));
  path_ = root_.u8string();
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

fs::path ScratchFolder::below(const std::string& relative) const {
  return (root_ / fs::u8path(relative)).make_preferred();
}

std::string ScratchFolder::pathOf(const std::string& relative) const { return below(relative).u8string(); }

std::u16string ScratchFolder::at(const std::string& relative) const { return below(relative).u16string(); }

void ScratchFolder::write(const std::string& relative, const std::string& content) const {
  const fs::path file = below(relative);
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary | std::ios::trunc) << content;
}

std::string ScratchFolder::read(const std::string& relative) const {
  std::ifstream file(below(relative), std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

bool ScratchFolder::exists(const std::string& relative) const { return fs::exists(below(relative)); }

void ScratchFolder::makeFolder(const std::string& relative) const { fs::create_directories(below(relative)); }
