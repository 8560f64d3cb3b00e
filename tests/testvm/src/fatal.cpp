#include "fatal.h"

#include <cstdio>
#include <cstdlib>

#include "vm.h"

namespace testvm {

void fatal(const std::string& message) {
  std::fprintf(stderr, "testvm: %s\n", message.c_str());
  std::fflush(stderr);
  // As HotSpot does when it aborts: the launcher's abort hook first.
  if (runningVm() && vm().options.abortHook) vm().options.abortHook();
  std::abort();
}

}  // namespace testvm
