// Runs a command to its end and measures it: wall time, processor time and the
// peak resident set size that the kernel accounted to the child.
#pragma once

#include <string>
#include <vector>

struct ProcessCost {
  double seconds = 0;
  double cpuSeconds = 0;  // user and system; less disturbed than wall time by other load
  double peakMebibytes = 0;
  int exitStatus = -1;
};

// Standard output and error go to /dev/null.
ProcessCost MeasureProcess(const std::vector<std::string>& argv, const std::string& directory);

double Median(std::vector<double> values);
