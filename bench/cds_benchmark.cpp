// Two command lines side by side, round after round: what class data sharing
// saves (or costs) at start-up. Warm-up runs of each come first; then every
// round runs both, in alternating order so that drift on a shared machine
// falls on both alike. Prints each one's median wall time, processor time and
// peak RSS, and the medians of the per-round ratios b/a, which are far steadier
// than ratios of medians. The goal is on wall time; processor time is shown
// since it suffers less when other work shares the cores.
//
// Usage: cds_benchmark [--rounds N] [--warmups N] [--target R] [--title TEXT]
//                      [--dir FOLDER] [--fresh PATH]
//                      NAME_A NAME_B -- COMMAND_A... -- COMMAND_B...
//   --fresh PATH  removed (file or folder) before every run of b, so that each
//                 run of b is a first start that writes its archive anew.
//   COMMAND_A ends at the next lone "--"; COMMAND_B is the rest.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "process_timing.h"

namespace fs = std::filesystem;

namespace {

struct Subject {
  std::string name;
  std::vector<std::string> argv;
  std::vector<double> seconds, cpuSeconds, mebibytes;
};

struct Options {
  int rounds = 15, warmups = 2;
  double target = 0;  // 0: none given
  std::string title = "b against a", directory = ".", fresh;
  Subject a, b;
};

int Usage(const char* program) {
  std::fprintf(stderr,
               "usage: %s [--rounds N] [--warmups N] [--target R] [--title TEXT] [--dir FOLDER] [--fresh PATH]\n"
               "          NAME_A NAME_B -- COMMAND_A... -- COMMAND_B...\n",
               program);
  return 2;
}

bool Parse(int argc, char** argv, Options& options) {
  int i = 1;
  for (; i + 1 < argc && std::strncmp(argv[i], "--", 2) == 0 && argv[i][2] != '\0'; i += 2) {
    const std::string flag = argv[i], value = argv[i + 1];
    if (flag == "--rounds") options.rounds = std::atoi(value.c_str());
    else if (flag == "--warmups") options.warmups = std::atoi(value.c_str());
    else if (flag == "--target") options.target = std::atof(value.c_str());
    else if (flag == "--title") options.title = value;
    else if (flag == "--dir") options.directory = value;
    else if (flag == "--fresh") options.fresh = value;
    else return false;
  }
  if (argc - i < 3 || std::strcmp(argv[i + 2], "--") != 0) return false;
  options.a.name = argv[i];
  options.b.name = argv[i + 1];
  i += 3;
  for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) options.a.argv.push_back(argv[i]);
  for (++i; i < argc; ++i) options.b.argv.push_back(argv[i]);
  return options.rounds > 0 && options.warmups >= 0 && !options.a.argv.empty() && !options.b.argv.empty();
}

// Quartiles show how far one round's ratio can be trusted on this machine.
double Quantile(std::vector<double> values, double q) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const double position = q * (values.size() - 1);
  const size_t low = static_cast<size_t>(position);
  const size_t high = low + 1 < values.size() ? low + 1 : low;
  return values[low] + (values[high] - values[low]) * (position - low);
}

bool Run(Subject& subject, const Options& options, bool measured) {
  if (&subject == &options.b && !options.fresh.empty()) {
    std::error_code ignored;
    fs::remove_all(options.fresh, ignored);
  }
  const ProcessCost cost = MeasureProcess(subject.argv, options.directory);
  if (cost.exitStatus != 0) {
    std::fprintf(stderr, "%s failed with status %d:", subject.name.c_str(), cost.exitStatus);
    for (const std::string& argument : subject.argv) std::fprintf(stderr, " %s", argument.c_str());
    std::fprintf(stderr, "\n");
    return false;
  }
  if (measured) {
    subject.seconds.push_back(cost.seconds);
    subject.cpuSeconds.push_back(cost.cpuSeconds);
    subject.mebibytes.push_back(cost.peakMebibytes);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!Parse(argc, argv, options)) return Usage(argv[0]);
  // MeasureProcess spawns by path, without a search of PATH.
  for (Subject* subject : {&options.a, &options.b})
    if (subject->argv[0].find('/') == std::string::npos) {
      std::fprintf(stderr, "%s: give the program with its path: %s\n", subject->name.c_str(), subject->argv[0].c_str());
      return 2;
    }

  for (int run = 0; run < options.warmups; ++run)
    if (!Run(options.a, options, false) || !Run(options.b, options, false)) return 1;
  std::vector<double> ratios, cpuRatios;
  for (int round = 0; round < options.rounds; ++round) {
    Subject& first = round % 2 ? options.b : options.a;
    Subject& second = round % 2 ? options.a : options.b;
    if (!Run(first, options, true) || !Run(second, options, true)) return 1;
    ratios.push_back(options.b.seconds.back() / options.a.seconds.back());
    cpuRatios.push_back(options.b.cpuSeconds.back() / options.a.cpuSeconds.back());
  }

  std::printf("%s: %d rounds after %d warm-up runs each, order alternating\n", options.title.c_str(), options.rounds,
              options.warmups);
  std::printf("  %-34s %14s %14s %16s\n", "", "median wall ms", "median CPU ms", "median peak MiB");
  const char* labels[] = {"(a)", "(b)"};
  int k = 0;
  for (const Subject* subject : {&options.a, &options.b})
    std::printf("  %-30s %-3s %14.1f %14.1f %16.1f\n", subject->name.c_str(), labels[k++],
                Median(subject->seconds) * 1000, Median(subject->cpuSeconds) * 1000, Median(subject->mebibytes));
  std::printf("  median of per-round ratios b/a: %.3f (quartiles %.3f .. %.3f)", Median(ratios), Quantile(ratios, 0.25),
              Quantile(ratios, 0.75));
  if (options.target > 0) std::printf(", target <= %.2f", options.target);
  std::printf("\n  median of per-round ratios of processor time b/a: %.3f\n", Median(cpuRatios));
  return 0;
}
