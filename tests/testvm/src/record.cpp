#include "record.h"

#include "platform.h"

namespace testvm {

void record(const std::string& line) {
  // Looked up each time: a test may name the log after loading the library.
  std::string path;
  if (!platform::environment("TESTVM_LOG", path) || path.empty()) return;
  // One line at a time from this process's threads: under Wine two appends
  // at once can land at the same place. Never destroyed: threads may still
  // record while the process exits.
  static Monitor& appending = *new Monitor;
  Locked hold(appending);
  platform::appendLine(path, line);
}

}  // namespace testvm
