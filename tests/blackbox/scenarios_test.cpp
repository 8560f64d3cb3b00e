// Runs the launches described in tests/scenarios/cases against one runtime:
// the real JVM or the test VM library, named by SCENARIO_RUNTIME.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

#include "harness.h"
#include "scenario_file.h"

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
const char kPathSeparator[] = "\\";
const char kClassPathSeparator[] = ";";
const char kVmLibrary[] = "bin\\server\\jvm.dll";
#else
const char kPathSeparator[] = "/";
const char kClassPathSeparator[] = ":";
const char kVmLibrary[] = "lib/server/libjvm.so";
#endif

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

// Line ends as "\n", and no line numbers in stack frames: the test VM's
// script frames have none.
std::string Normalized(const std::string& output) {
  static const std::regex lineNumber(R"(\.java:\d+\))");
  return std::regex_replace(Replaced(output, "\r\n", "\n"), lineNumber, ".java)");
}

// SCENARIO_WRAPPER, a program and its options separated by blanks, runs the
// launcher under that program (a memory checker, say), in the launcher's folder.
RunResult RunLauncher(const std::string& launcher, RunOptions options) {
  const char* wrapper = std::getenv("SCENARIO_WRAPPER");
  if (!wrapper || !*wrapper) return RunProgram(launcher, options);
  std::istringstream words(wrapper);
  std::vector<std::string> command{std::istream_iterator<std::string>(words), {}};
  options.arguments.insert(options.arguments.begin(), launcher);
  options.arguments.insert(options.arguments.begin(), command.begin() + 1, command.end());
  if (options.workingDirectory.empty())
    options.workingDirectory = launcher.substr(0, launcher.rfind(kPathSeparator[0]));
  options.timeoutMilliseconds *= 10;
  return RunProgram(command.front(), options);
}

class Scenarios : public ::testing::TestWithParam<std::string> {};

TEST_P(Scenarios, BehaveAlikeOnEveryRuntime) {
  const char* runtimeVariable = std::getenv("SCENARIO_RUNTIME");
  ASSERT_NE(runtimeVariable, nullptr) << "SCENARIO_RUNTIME names the runtime folder to run with";
  std::string runtime = NativePath(runtimeVariable);
  if (runtime.back() == kPathSeparator[0]) runtime.pop_back();

  Scenario scenario = ReadScenario(ReadFile(fs::path(SCENARIO_CASES) / (GetParam() + ".txt")));
  ScratchFolder folder;
  std::string folderPath = folder.path() + kPathSeparator;
  std::string launcher = InstallLauncher(folder, "app" + ExecutableSuffix());
  auto substituted = [&](std::string text) {
    text = Replaced(text, "@RUNTIME@", runtime);
    text = Replaced(text, "@VMLIB@", runtime + kPathSeparator + kVmLibrary);
    text = Replaced(text, "@LAUNCHER@", launcher);
    text = Replaced(text, "@FOLDER@", folderPath);
    text = Replaced(text, "@SEP@", kClassPathSeparator);
    return Replaced(text, "@/@", kPathSeparator);
  };
  folder.write("app.ini", substituted(scenario.settings));
  for (const std::string& jar : scenario.jars) CopyFileTo(SCENARIO_JAR, folder.pathOf(jar));
  if (scenario.embeddedJar) {
    std::ofstream(fs::path(launcher), std::ios::binary | std::ios::app) << ReadFile(SCENARIO_JAR);
  }

  for (const std::string& planted : scenario.planted)
    fs::copy(SCENARIO_PLANTED, fs::path(folder.pathOf(planted)), fs::copy_options::recursive);

  RunOptions options;
  if (!scenario.workingDirectory.empty()) {
    options.workingDirectory = folder.pathOf(scenario.workingDirectory);
    fs::create_directories(fs::path(options.workingDirectory));
  }
  options.arguments = scenario.arguments;
  for (const auto& [name, value] : scenario.environment) options.environment[name] = substituted(value);
  RunResult run = RunLauncher(launcher, options);

  EXPECT_EQ(run.exitCode, scenario.exitCode);
  EXPECT_EQ(Normalized(run.output), substituted(scenario.output));
  EXPECT_EQ(Normalized(run.error), substituted(scenario.error));
  for (const auto& [path, content] : scenario.files) {
    EXPECT_TRUE(folder.exists(path)) << path;
    EXPECT_EQ(Normalized(folder.read(path)), substituted(content)) << path;
  }
}

std::vector<std::string> CaseNames() {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(SCENARIO_CASES))
    if (entry.path().extension() == ".txt") names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

INSTANTIATE_TEST_SUITE_P(Cases, Scenarios, ::testing::ValuesIn(CaseNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           return Replaced(info.param, "-", "_");
                         });

}  // namespace
