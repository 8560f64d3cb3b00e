// Drives the built launcher the way a user does: a folder holding a copy of
// the executable and its settings file, a command line, and what comes out.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "scratch_folder.h"

struct RunResult {
  std::int32_t exitCode = 0;
  std::string output;  // standard output, bytes as written
  std::string error;   // standard error
};

struct RunOptions {
  std::vector<std::string> arguments;  // UTF-8; quoted for the platform's command line
  std::string rawCommandTail;          // Windows only: command-line text put verbatim after the program path
  bool asFromExplorer = false;         // Windows only: no console and no standard handles; nothing is read back
  std::map<std::string, std::string> environment;  // added to (or, with an empty value, removed from) ours
  std::string workingDirectory;                    // the program's folder when empty
  unsigned timeoutMilliseconds = 60000;
};

// Copies the launcher under test into the folder under the given name.
std::string InstallLauncher(const ScratchFolder& folder, const std::string& name = "");

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
