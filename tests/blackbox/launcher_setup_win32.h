// What the runtime-search and paired-launcher tests set up around the
// launcher: its settings, runtime folders whose VM library is a plain text
// file (so loading it fails with an error line naming it), and runtimes
// registered in HKEY_LOCAL_MACHINE in either registry view.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "harness.h"

// Where a runtime is registered: the launcher's own (64-bit) registry view or
// the other (32-bit) one, for the machine or for the user.
enum class View { Own, Other };
enum class Root { Machine, User };

// The registry keys of the runtime sources, as the launcher reads them.
inline constexpr char kSunJdk[] = "Software\\JavaSoft\\Java Development Kit";
inline constexpr char kSunJre[] = "Software\\JavaSoft\\Java Runtime Environment";
inline constexpr char kJRockitJre[] = "Software\\JRockit\\Java Runtime Environment";
inline constexpr char kJRockitJdk[] = "Software\\JRockit\\Java Development Kit";
inline constexpr char kIbmJre[] = "Software\\IBM\\Java2 Runtime Environment";

class LauncherSetup : public ::testing::Test {
 protected:
  // Skips the test on a machine with runtimes registered of its own: the
  // tests need the vendors' keys to themselves.
  void SetUp() override;
  void TearDown() override { removeRegistered(); }
  // Removes every key the test registered.
  void removeRegistered();

  // Writes the launcher's settings file: a main class, then the lines given.
  void settings(const std::string& lines) const;
  // Makes a runtime folder holding a VM library for each of the VM folders
  // named ("client", "server", ...); returns its native path.
  std::string runtime(const std::string& relative, std::initializer_list<const char*> vms = {"client"}) const;
  // The VM library path of a runtime folder made by runtime().
  std::string library(const std::string& relative, const char* vm = "client") const;
  // Registers a runtime: a subkey named version below the source key, with
  // the string value JavaHome when home is not empty.
  void registerRuntime(const char* source, const std::string& version, const std::string& home, View view = View::Own);
  void unregister(const char* source, const std::string& version, View view = View::Own);
  // Writes what an installer writes: the key (below Software) with the string
  // value naming the runtime's folder.
  void registerInstall(Root root, View view, const std::string& key, const char* valueName, const std::string& home);
  // Makes a runtime folder as today's runtimes are laid out: a release file,
  // bin\java.dll and bin\server\jvm.dll (no "jre" folder); returns its path.
  std::string modernRuntime(const std::string& relative, const std::string& release) const;

  RunResult launch(RunOptions options = {}) const;
  // The VM library that a launch tried to load, from its error line; empty
  // (and a test failure) when the launch did not end that way.
  static std::string loadedLibrary(const RunResult& run);
  // Checks that a launch found no runtime at all: it ends with -1 before
  // loading anything, telling the user what is missing (no dialog can be
  // shown without a display).
  static void expectNoRuntime(const RunResult& run);

  ScratchFolder folder_;
  std::string launcher_ = InstallLauncher(folder_);

 private:
  void write(Root root, View view, const std::string& key, const char* valueName, const std::string& value);

  struct Registered {
    Root root;
    std::string key;  // the key below Software that the test made, removed with all below it
    View view;
  };
  std::vector<Registered> registered_;
};
