#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

#include "brand/brand_tool.h"
#include "brand/command_line.h"
#include "test_image.h"

namespace fs = std::filesystem;

namespace {

class BrandTool : public ::testing::Test {
 protected:
  BrandTool() : folder_(fs::temp_directory_path() / ("brand-tool-" + std::to_string(std::random_device()()))) {
    fs::create_directories(folder_);
    ResourceTree tree;
    SetResource(tree, kManifestType, 1u, Bytes{'<', '/', 'a', 's', 's', 'e', 'm', 'b', 'l', 'y', '>'});
    write("in.exe", TestImage(ImageKind::kPe32Plus, tree));
  }
  ~BrandTool() override { fs::remove_all(folder_); }

  std::string path(const std::string& name) const { return (folder_ / name).u8string(); }
  void write(const std::string& name, const Bytes& bytes) const {
    fs::create_directories((folder_ / name).parent_path());
    std::ofstream(folder_ / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  }
  Bytes read(const std::string& name) const {
    std::ifstream file(folder_ / name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), {});
  }
  std::vector<std::string> files() const {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_))
      names.push_back(entry.path().filename().u8string());
    std::sort(names.begin(), names.end());
    return names;
  }
  int run(std::vector<std::string> arguments) {
    out_.str("");
    err_.str("");
    return RunBrandTool(arguments, out_, err_);
  }

  fs::path folder_;
  std::ostringstream out_, err_;
};

TEST_F(BrandTool, WritesOutputAndLeavesInputAsItWas) {
  const Bytes input = read("in.exe");
  EXPECT_EQ(run({"--file-version", "1.2.3.4", "--dpi-aware", path("in.exe"), path("out.exe")}), 0) << err_.str();
  EXPECT_EQ(err_.str(), "");
  EXPECT_EQ(read("in.exe"), input);
  EXPECT_EQ(files(), (std::vector<std::string>{"in.exe", "out.exe"}));
  EXPECT_NE(read("out.exe"), input);
  // An OUTPUT that exists is replaced.
  EXPECT_EQ(run({path("in.exe"), path("out.exe")}), 0) << err_.str();
  EXPECT_EQ(files(), (std::vector<std::string>{"in.exe", "out.exe"}));
}

TEST_F(BrandTool, RefusalsSayWhyAndLeaveNoOutput) {
  write("text.ico", Bytes{'n', 'o'});
  write("text.exe", Bytes{'n', 'o'});
  write("taken/file", Bytes{'n', 'o'});
  const struct {
    std::vector<std::string> arguments;
    std::string message;
  } cases[] = {
      {{"--icon", path("text.ico"), path("in.exe"), path("out.exe")}, path("text.ico") + ": not an icon file"},
      {{"--icon", path("none.ico"), path("in.exe"), path("out.exe")}, path("none.ico") + ": cannot be read"},
      {{path("text.exe"), path("out.exe")}, path("text.exe") + ": not a PE image"},
      {{path("none.exe"), path("out.exe")}, path("none.exe") + ": cannot be read"},
      {{path("in.exe"), path("in.exe")}, path("in.exe") + ": is INPUT itself, which branding never changes"},
      {{path("in.exe"), path("missing/out.exe")}, path("missing/out.exe") + ": cannot be written"},
      // A file cannot be renamed over a folder that holds files.
      {{path("in.exe"), path("taken")}, path("taken") + ": cannot be written"},
  };
  const Bytes input = read("in.exe");
  for (const auto& c : cases) {
    EXPECT_EQ(run(c.arguments), 1) << c.message;
    EXPECT_EQ(err_.str(), "launcher-brand: " + c.message + "\n");
    EXPECT_EQ(files(), (std::vector<std::string>{"in.exe", "taken", "text.exe", "text.ico"})) << c.message;
  }
  EXPECT_EQ(read("in.exe"), input);
}

TEST_F(BrandTool, UsageOnRequestAndAfterABadCommandLine) {
  EXPECT_EQ(run({"--help"}), 0);
  EXPECT_EQ(out_.str().rfind("usage: launcher-brand [options] INPUT.exe OUTPUT.exe\n", 0), 0u);
  EXPECT_EQ(run({"--colour", path("in.exe"), path("out.exe")}), 1);
  EXPECT_EQ(out_.str(), "");
  EXPECT_EQ(err_.str(), std::string("launcher-brand: unknown option --colour\n") + kUsage);
}

}  // namespace
