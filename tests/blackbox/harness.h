// Drives the built launcher the way a user does: a folder holding a copy of
// the executable and its settings file, a command line, and what comes out.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct RunResult {
  std::int32_t exitCode = 0;
  std::string output;  // standard output, bytes as written
  std::string error;   // standard error
};

struct RunOptions {
  std::vector<std::string> arguments;       // UTF-8; quoted for the platform's command line
  std::string rawCommandTail;  // Windows only: command-line text put verbatim after the program path
  std::map<std::string, std::string> environment;  // added to (or, with an empty value, removed from) ours
  std::string workingDirectory;             // the program's folder when empty
  unsigned timeoutMilliseconds = 60000;
};

// A fresh folder below the temporary directory, removed with the object.
class TestFolder {
 public:
  TestFolder();
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  const std::string& path() const { return path_; }
  // path() joined with a relative name written with "/" (converted for Windows).
  std::string pathOf(const std::string& relative) const;
  // Writes a file, creating its folders. Text is written as given.
  void write(const std::string& relative, const std::string& content) const;
  std::string read(const std::string& relative) const;
  bool exists(const std::string& relative) const;
  void makeFolder(const std::string& relative) const;
  // Copies the launcher under test into the folder under the given name.
  std::string installLauncher(const std::string& name = "") const;

 private:
  std::string path_;
};

// The launcher under test, as a native path: the one built beside the tests,
// or another (a branded copy of it) that LAUNCHER_UNDER_TEST names.
std::string LauncherUnderTest();
// The platform's executable suffix: ".exe" on Windows, empty elsewhere.
std::string ExecutableSuffix();
// Converts a path written with "/" into the platform's form.
std::string NativePath(const std::string& path);
// The platform's line end in text-mode output.
std::string LineEnd();

// Runs a program and waits for it (killing it after the timeout, which fails
// the current test).
RunResult RunProgram(const std::string& program, const RunOptions& options = {});

void CopyFileTo(const std::string& from, const std::string& to);
std::string ReadWholeFile(const std::string& path);
