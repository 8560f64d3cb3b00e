// VM libraries that exist but cannot be loaded: the runtime search goes by the
// file's presence, so the launch ends with the load failure naming the
// library, whichever way the runtime was found, and creates no VM.
#include <filesystem>
#include <functional>
#include <regex>

#include "hosted_launch.h"

namespace {

namespace fs = std::filesystem;

class BadVmLibrary : public HostedLaunch {
 protected:
  // Puts the bad library in place: a file of those bytes, or a folder.
  void place(const std::string& library, const std::function<std::string()>& content) const {
    if (content)
      folder_.write(library, content());
    else
      folder_.makeFolder(library);
  }

  void expectLoadFailure(const std::string& library) const {
    RunResult run = launch();
    const std::string path = NativePath(folder_.pathOf(library));
    const std::regex line("Error: Failed to load Java VM library: (.*) \\(errno = [1-9][0-9]*\\)\\.\r?\n \r?\n");
    std::smatch match;
    EXPECT_TRUE(std::regex_match(run.output, match, line)) << run.output;
    EXPECT_EQ(match.size() > 1 ? match[1].str() : "", path);
    EXPECT_EQ(run.exitCode, -1);
    EXPECT_TRUE(events("create").empty());
  }
};

TEST_F(BadVmLibrary, ALibraryThatCannotBeLoadedEndsTheLaunchWithTheLoadFailure) {
  const struct {
    const char* name;
    std::function<std::string()> content;  // none: a folder
  } libraries[] = {
      {"empty", [] { return std::string(); }},
      {"truncated", [] { return ReadWholeFile(TestVmLibrary()).substr(0, 4096); }},
      {"a folder", nullptr},
      {"of another machine", [] { return LibraryOfAnotherMachine(); }},
  };
  // Found through "JRE Path", and as the runtime beside the launcher.
  const struct {
    std::string library, settings;
  } routes[] = {
      {"jre/" + VmLibraryBelowRuntime(), "JRE Path=" + runtimeFolder() + "\n"},
      {VmLibraryBelowRuntime(), ""},
  };
  folder_.write(RuntimeMarkerBelowRuntime(), "");
  for (const auto& row : libraries) {
    for (const auto& route : routes) {
      SCOPED_TRACE(std::string(row.name) + " " + route.library);
      fs::remove_all(fs::path(folder_.pathOf(route.library)));
      place(route.library, row.content);
      folder_.write("launcher.ini", "[Java Runtime Environment]\nMain Class=app.Main\n" + route.settings +
                                        "[Class Path]\nClass Path=\\classes\n");
      folder_.write("events.log", "");
      expectLoadFailure(route.library);
    }
  }
}

}  // namespace
