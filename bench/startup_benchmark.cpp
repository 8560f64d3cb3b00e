// Start-up cost of the launcher, measured side by side with the JDK's own
// launcher (java -cp) and with the least a JNI host can do (create the VM,
// call main, destroy the VM). Prints medians over the rounds and the medians
// of the per-round ratios, which are far steadier on a shared machine than
// ratios of medians.
//
// Usage: startup_benchmark <launcher> <minimal_jni_host> <classes folder> <jdk home> [rounds]
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "process_timing.h"

namespace fs = std::filesystem;

namespace {

struct Contender {
  const char* name;
  std::vector<std::string> argv;
  std::vector<double> seconds, mebibytes;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: %s <launcher> <minimal_jni_host> <classes folder> <jdk home> [rounds]\n", argv[0]);
    return 2;
  }
  // Absolute, since every contender runs in the benchmark's own folder.
  const std::string launcher = fs::absolute(argv[1]), host = fs::absolute(argv[2]), classes = fs::absolute(argv[3]),
                    jdk = fs::absolute(argv[4]);
  const int rounds = argc > 5 ? std::stoi(argv[5]) : 21;

  // The launcher needs its settings file beside it; the class path is relative to it.
  fs::path folder = fs::temp_directory_path() / "launcher-startup-benchmark";
  fs::remove_all(folder);
  fs::create_directories(folder);
  fs::copy(classes, folder / "classes", fs::copy_options::recursive);
  fs::copy_file(launcher, folder / "hello");
  std::ofstream(folder / "hello.ini") << "[Java Runtime Environment]\nMain Class=Hello\nJRE Path=" << jdk
                                      << "\n[Class Path]\nClass Path=classes\n";

  Contender contenders[] = {
      {"java -cp (a)", {jdk + "/bin/java", "-cp", "classes", "Hello"}, {}, {}},
      {"launcher (b)", {(folder / "hello").string()}, {}, {}},
      {"JNI floor (c)", {host, jdk + "/lib/server/libjvm.so", "classes", "Hello"}, {}, {}},
  };
  std::vector<double> launcherOverFloor, launcherOverJava;
  for (int round = 0; round < rounds + 1; ++round) {
    double seconds[3];
    for (int k = 0; k < 3; ++k) {
      Contender& contender = contenders[(k + round) % 3];  // rotate the order to spread drift
      ProcessCost cost = MeasureProcess(contender.argv, folder.string());
      if (cost.exitStatus != 0) {
        std::fprintf(stderr, "%s failed with status %d\n", contender.name, cost.exitStatus);
        return 1;
      }
      seconds[(k + round) % 3] = cost.seconds;
      if (round == 0) continue;  // a first round warms the file cache
      contender.seconds.push_back(cost.seconds);
      contender.mebibytes.push_back(cost.peakMebibytes);
    }
    if (round == 0) continue;
    launcherOverFloor.push_back(seconds[1] / seconds[2]);
    launcherOverJava.push_back(seconds[1] / seconds[0]);
  }

  std::printf("Start-up of a hello-world class, %d rounds\n", rounds);
  std::printf("%-16s %14s %16s\n", "", "median wall ms", "median peak MiB");
  for (const Contender& contender : contenders)
    std::printf("%-16s %14.1f %16.1f\n", contender.name, Median(contender.seconds) * 1000, Median(contender.mebibytes));
  std::printf("median of per-round ratios: b/c %.3f (target <= 1.03), b/a %.3f (target <= 1.00)\n",
              Median(launcherOverFloor), Median(launcherOverJava));
  std::printf("peak RSS b - c: %+.1f MiB (target <= +2)\n",
              Median(contenders[1].mebibytes) - Median(contenders[2].mebibytes));
  fs::remove_all(folder);
  return 0;
}
