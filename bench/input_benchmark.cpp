// In-process costs that grow with the product's size: expanding a class-path
// wildcard over a folder of 10,000 jars, and reading a settings value of 1 MiB.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "process_timing.h"
#include "settings/settings_reader.h"
#include "support/files.h"
#include "support/text.h"
#include "vmhost/class_path.h"

namespace fs = std::filesystem;

namespace {

template <typename Work>
double MedianMilliseconds(int rounds, Work work) {
  std::vector<double> times;
  for (int round = 0; round < rounds; ++round) {
    auto start = std::chrono::steady_clock::now();
    work();
    times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  return Median(times);
}

}  // namespace

int main() {
  fs::path folder = fs::temp_directory_path() / "launcher-input-benchmark";
  fs::remove_all(folder);
  fs::create_directories(folder / "lib");
  for (int k = 0; k < 10000; ++k) std::ofstream(folder / "lib" / ("library-" + std::to_string(k) + ".jar"));
  const std::u16string executable = FromUtf8((folder / "app").string());
  size_t classPathLength = 0;
  double expansion = MedianMilliseconds(
      11, [&] { classPathLength = BuildClassPath({u"\\lib\\*.jar"}, executable, false, FindMatchingNames).size(); });

  const std::string value(1 << 20, 'v');
  std::ofstream(folder / "app.ini") << "[Java Runtime Environment]\nVirtual Machine Parameters=" << value << "\n";
  SettingsReader reader(FromUtf8((folder / "app.ini").string()));
  size_t valueLength = 0;
  double reading = MedianMilliseconds(
      11, [&] { valueLength = reader.readPlain(u"Java Runtime Environment", u"Virtual Machine Parameters").size(); });

  std::printf("class path of 10,000 jars (%zu characters): median %.1f ms\n", classPathLength, expansion);
  std::printf("settings value of 1 MiB (%zu characters read): median %.1f ms\n", valueLength, reading);
  fs::remove_all(folder);
  return 0;
}
