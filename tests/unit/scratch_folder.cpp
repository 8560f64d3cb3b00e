#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/text.h"

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() {
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  static int count = 0;
  root_ = fs::temp_directory_path() / ("launcher-unit-" + std::string(test->test_suite_name()) + "-" + test->name() +
                                       "-" + std::to_string(++count));
  fs::remove_all(root_);
  fs::create_directories(root_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

std::u16string ScratchFolder::at(const std::string& relative) const {
  return FromUtf8((root_ / relative).make_preferred().string());
}

void ScratchFolder::write(const std::string& relative, const std::string& content) const {
  fs::path file = root_ / relative;
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << content;
}

std::string ScratchFolder::read(const std::string& relative) const {
  std::ifstream file(root_ / relative, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

bool ScratchFolder::exists(const std::string& relative) const { return fs::exists(root_ / relative); }
