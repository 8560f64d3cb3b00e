#include "hosted_launch.h"

#include <sstream>

HostedLaunch::HostedLaunch() {
  CopyFileTo(TestVmLibrary(), vmLibrary());
  folder_.makeFolder("classes");
}

void HostedLaunch::settings(const std::string& runtimeLines, const std::string& sections,
                            const std::string& mainClass) const {
  folder_.write("launcher.ini", "[Java Runtime Environment]\nMain Class=" + mainClass +
                                    "\nJRE Path=" + runtimeFolder() + "\n" + runtimeLines + "\n" + sections + "\n");
}

void HostedLaunch::script(const std::string& className, const std::string& text) const {
  folder_.write("classes/" + className + ".tvm", text);
}

void HostedLaunch::replaceVmLibrary(const std::string& library) const { CopyFileTo(library, vmLibrary()); }

RunResult HostedLaunch::launch(RunOptions options) const {
  options.environment["TESTVM_LOG"] = folder_.pathOf("events.log");
  return RunProgram(launcher_, options);
}

std::vector<std::string> HostedLaunch::events(const std::string& prefix) const {
  std::istringstream log(folder_.read("events.log"));
  std::vector<std::string> lines;
  for (std::string line; std::getline(log, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind(prefix, 0) == 0) lines.push_back(line);
  }
  return lines;
}

std::string HostedLaunch::runtimeFolder() const { return folder_.pathOf("jre"); }

std::string HostedLaunch::vmLibrary() const { return folder_.pathOf("jre/" + VmLibraryBelowRuntime()); }

std::string TestVmLibrary() { return TEST_VM_LIBRARY; }
std::string TestVmLibraryWithoutEntryPoint() { return TEST_VM_LIBRARY_WITHOUT_ENTRY_POINT; }
