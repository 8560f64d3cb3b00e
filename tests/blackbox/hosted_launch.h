// What the VM-hosting tests set up around the launcher: a runtime folder whose
// VM library is the test VM, the settings naming it in "JRE Path", scripted
// Java classes on the class path, and the test VM's event log.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness.h"

class HostedLaunch : public ::testing::Test {
 protected:
  HostedLaunch();

  // Writes the settings file: the main class and "JRE Path" in the runtime
  // section, then runtimeLines there, then the further sections given.
  void settings(const std::string& runtimeLines = "", const std::string& sections = "",
                const std::string& mainClass = "app.Main") const;
  // Writes the script of a class (slash form) below the "classes" folder,
  // which the default "Class Path" names.
  void script(const std::string& className, const std::string& text) const;
  // Puts another library in place of the runtime's VM library.
  void replaceVmLibrary(const std::string& library) const;

  // Runs the launcher with the event log switched on.
  RunResult launch(RunOptions options = {}) const;
  // The lines of the event log that begin with prefix, in order.
  std::vector<std::string> events(const std::string& prefix = "") const;

  // The runtime folder and its VM library.
  std::string runtimeFolder() const;
  std::string vmLibrary() const;

  ScratchFolder folder_;
  std::string launcher_ = InstallLauncher(folder_);
};

// The test VM library built beside the tests, and its sibling that lacks an entry point.
std::string TestVmLibrary();
std::string TestVmLibraryWithoutEntryPoint();
// The text-mode line end of the launcher's error lines and the Java program's output.
inline std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + LineEnd();
  return text;
}
// The separator of path components, that of the VM's class and library
// paths, and the search-path variable.
std::string PathSeparator();
std::string ListSeparator();
std::string PathVariable();
// The VM library's place below a runtime folder, and the file that makes a
// folder beside the launcher a runtime.
std::string VmLibraryBelowRuntime();
std::string RuntimeMarkerBelowRuntime();
// Whether the system starts a program whose path is longer than 260 characters.
bool StartsProgramsOfLongPaths();
// The bytes of a library built for another machine than the launcher's.
std::string LibraryOfAnotherMachine();
