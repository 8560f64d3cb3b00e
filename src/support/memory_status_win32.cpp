#include <windows.h>

#include "support/memory_status.h"

// GlobalMemoryStatus rather than its Ex form: a 32-bit process then sees
// figures that saturate at 4 GiB instead of 64-bit ones it would truncate.
MemoryStatus QueryMemoryStatus() {
  MEMORYSTATUS status{};
  status.dwLength = sizeof status;
  GlobalMemoryStatus(&status);
  return {status.dwTotalPhys, status.dwAvailVirtual};
}
