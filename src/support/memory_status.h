// The machine's memory figures that memory options can be given relative to.
#pragma once

#include <cstdint>

struct MemoryStatus {
  std::uint64_t totalPhysical = 0;          // installed physical memory, bytes
  std::uint64_t availableAddressSpace = 0;  // free part of this process's address space, bytes
};

MemoryStatus QueryMemoryStatus();
