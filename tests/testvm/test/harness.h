// What the tests share: a sandbox folder per test, and runs of testvm_host,
// the small launcher that drives the VM library.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace harness {

// Per platform: harness_posix.cpp, harness_win32.cpp.
extern const char* const vmLibrary;
extern const char* const noEntryLibrary;
extern const char* const hostProgram;
extern const char* const lineSeparator;
extern const char pathSeparator;
extern const char* const missingFolderReason;  // why a file in a missing folder cannot be created

std::string programFolder();
// Runs a program in `folder` with its output in two files; returns its exit status.
int run(const std::vector<std::string>& argv, const std::string& folder, const std::string& outPath,
        const std::string& errPath);
void setEnvironment(const std::string& name, const std::string& value);
void unsetEnvironment(const std::string& name);
void* openLibrary(const std::string& path);
void* entryPoint(void* library, const char* name);

}  // namespace harness

struct Outcome {
  int status;
  std::string out;  // line separators turned into "\n"
  std::string err;
};

using Environment = std::vector<std::pair<std::string, std::string>>;

class VmTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::string path(const std::string& relative) const;
  void write(const std::string& relative, const std::string& content) const;
  std::string read(const std::string& relative) const;
  // A script class under classes/, the class path the commands below use.
  void defineClass(const std::string& name, const std::string& script) const;

  // Runs the host on the VM library with the event log in log.txt.
  Outcome host(const std::vector<std::string>& commands, const Environment& environment = {},
               const std::string& folder = "") const;
  std::vector<std::string> log() const;

  // Commands that create the VM on classes/ with `options` and find `className`.
  std::vector<std::string> started(const std::string& className, const std::vector<std::string>& options = {}) const;
  // ... and call its main with `args`.
  std::vector<std::string> mainRun(const std::string& className, const std::vector<std::string>& args,
                                   const std::vector<std::string>& options = {}) const;

  std::string sandbox_;
};

// Joins command lists.
std::vector<std::string> operator+(std::vector<std::string> first, const std::vector<std::string>& second);
// Whether `lines` holds `expected` in this order, other lines in between allowed.
::testing::AssertionResult inOrder(const std::vector<std::string>& lines, const std::vector<std::string>& expected);
std::vector<std::string> linesOf(const std::string& text);
