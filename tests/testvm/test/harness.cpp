#include "harness.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

namespace {

fs::path pathOf(const std::string& utf8) { return fs::u8path(utf8).make_preferred(); }

std::string withNewlines(std::string text) {
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) text.erase(at, 1);
  return text;
}

}  // namespace

void VmTest::SetUp() {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::random_device random;
  fs::path folder = fs::temp_directory_path() / (std::string("testvm-") + test->test_suite_name() + "-" + test->name() +
                                                 "-" + std::to_string(random()));
  fs::create_directories(folder);
  sandbox_ = folder.u8string();
}

void VmTest::TearDown() {
  std::error_code ignored;
  fs::remove_all(pathOf(sandbox_), ignored);
}

std::string VmTest::path(const std::string& relative) const { return (pathOf(sandbox_) / pathOf(relative)).u8string(); }

void VmTest::write(const std::string& relative, const std::string& content) const {
  fs::path file = pathOf(path(relative));
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << content;
}

std::string VmTest::read(const std::string& relative) const {
  std::ifstream file(pathOf(path(relative)), std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

void VmTest::defineClass(const std::string& name, const std::string& script) const {
  write("classes/" + name + ".tvm", script);
}

Outcome VmTest::host(const std::vector<std::string>& commands, const Environment& environment,
                     const std::string& folder) const {
  std::string programs = harness::programFolder();
  std::vector<std::string> argv = {(pathOf(programs) / harness::hostProgram).u8string(),
                                   (pathOf(programs) / harness::vmLibrary).u8string()};
  argv.insert(argv.end(), commands.begin(), commands.end());
  harness::setEnvironment("TESTVM_LOG", path("log.txt"));
  for (const auto& variable : environment) harness::setEnvironment(variable.first, variable.second);
  int status = harness::run(argv, folder.empty() ? sandbox_ : folder, path("host.out"), path("host.err"));
  for (const auto& variable : environment) harness::unsetEnvironment(variable.first);
  harness::unsetEnvironment("TESTVM_LOG");
  return Outcome{status, withNewlines(read("host.out")), withNewlines(read("host.err"))};
}

std::vector<std::string> VmTest::log() const { return linesOf(read("log.txt")); }

std::vector<std::string> VmTest::started(const std::string& className, const std::vector<std::string>& options) const {
  std::vector<std::string> commands = {"opt", "-Djava.class.path=" + path("classes")};
  for (const std::string& option : options) commands.insert(commands.end(), {"opt", option});
  return commands + std::vector<std::string>{"create", "find", className};
}

std::vector<std::string> VmTest::mainRun(const std::string& className, const std::vector<std::string>& args,
                                         const std::vector<std::string>& options) const {
  std::vector<std::string> call = {"static", "main", "([Ljava/lang/String;)V", "call", std::to_string(args.size())};
  return started(className, options) + call + args;
}

std::vector<std::string> operator+(std::vector<std::string> first, const std::vector<std::string>& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

::testing::AssertionResult inOrder(const std::vector<std::string>& lines, const std::vector<std::string>& expected) {
  std::size_t next = 0;
  for (const std::string& line : lines)
    if (next < expected.size() && line == expected[next]) ++next;
  if (next == expected.size()) return ::testing::AssertionSuccess();
  std::string all;
  for (const std::string& line : lines) all += "\n  " + line;
  return ::testing::AssertionFailure() << "missing \"" << expected[next] << "\" (or out of order) in:" << all;
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(withNewlines(text));
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}
