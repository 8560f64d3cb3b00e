#include <sys/resource.h>
#include <sys/sysinfo.h>
#include <unistd.h>

#include <fstream>

#include "support/memory_status.h"

namespace {

// The address space this process uses now, from the first figure of statm.
std::uint64_t UsedAddressSpace() {
  std::uint64_t pages = 0;
  std::ifstream("/proc/self/statm") >> pages;
  return pages * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE));
}

}  // namespace

// The free address space is the headroom under RLIMIT_AS; without such a
// limit physical memory is the useful bound, as a 64-bit address space is not.
MemoryStatus QueryMemoryStatus() {
  MemoryStatus status;
  struct sysinfo info {};
  if (sysinfo(&info) == 0) status.totalPhysical = static_cast<std::uint64_t>(info.totalram) * info.mem_unit;
  struct rlimit limit {};
  if (getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) {
    status.availableAddressSpace = status.totalPhysical;
  } else {
    std::uint64_t used = UsedAddressSpace();
    status.availableAddressSpace = limit.rlim_cur > used ? limit.rlim_cur - used : 0;
  }
  return status;
}
