#include "guide_examples.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "hosted_launch.h"

namespace fs = std::filesystem;

namespace {

const char kMarker[] = "; example: ";

// The text of every "ini" block of the guide, its first line included.
std::vector<std::string> GuideBlocks() {
  std::istringstream guide(ReadWholeFile(GUIDE_DOCUMENT));
  std::vector<std::string> blocks;
  bool inBlock = false;
  for (std::string line; std::getline(guide, line);) {
    if (inBlock && line == "```") {
      inBlock = false;
    } else if (inBlock) {
      blocks.back() += line + "\n";
    } else if (line == "```ini") {
      inBlock = true;
      blocks.emplace_back();
    }
  }
  return blocks;
}

std::string NameOf(const std::string& block) {
  if (block.rfind(kMarker, 0) != 0) return "unmarked";
  return block.substr(sizeof kMarker - 1, block.find('\n') - (sizeof kMarker - 1));
}

std::string GuideExample(const std::string& name) {
  for (const std::string& block : GuideBlocks()) {
    const std::string marked = NameOf(block);
    if (marked == name || marked.rfind(name + " (", 0) == 0) return block;
  }
  ADD_FAILURE() << "the guide has no example " << name;
  return "";
}

}  // namespace

std::vector<std::string> GuideExampleNames() {
  std::vector<std::string> names;
  for (const std::string& block : GuideBlocks()) names.push_back(NameOf(block));
  return names;
}

std::string InstallProduct(const ScratchFolder& folder, const std::string& example, const std::string& product,
                           const std::string& launcher) {
  const std::string executable = folder.pathOf(product + ExecutableSuffix());
  CopyFileTo(launcher, executable);
  folder.write(product + ".ini", GuideExample(example));
  const size_t nameStart = product.rfind('/') + 1;
  CopyFileTo(SCENARIO_JAR, folder.pathOf(product.substr(0, nameStart) + "lib/" + product.substr(nameStart) + ".jar"));
  return executable;
}

std::string PlaceRuntime(const ScratchFolder& folder, const std::string& relative, const std::string& runtime,
                         const std::string& version) {
  if (runtime == TESTVM_RUNTIME) {
    CopyFileTo(TestVmLibrary(), folder.pathOf(relative + "/" + VmLibraryBelowRuntime()));
    folder.write(relative + "/" + RuntimeMarkerBelowRuntime(), "");
  } else {
    folder.makeFolder(relative);
    for (const fs::directory_entry& entry : fs::directory_iterator(runtime))
      if (entry.path().filename() != "release")
        fs::create_symlink(entry.path(), fs::path(folder.pathOf(relative)) / entry.path().filename());
  }
  folder.write(relative + "/release", "JAVA_VERSION=\"" + version + "\"\n");
  return folder.pathOf(relative);
}

RunOptions OptionsForRuntime(const std::string& runtime) {
  RunOptions options;
  // In sanitizer builds: the leak checker cannot stop the real JVM's threads to scan them.
  if (runtime != TESTVM_RUNTIME) options.environment["ASAN_OPTIONS"] = "detect_leaks=0";
  return options;
}
