#include <windows.h>

#include "thread_stack.h"

// The whole reservation that holds the calling thread's stack: the regions
// from the allocation base of a local variable on, as long as they share it.
std::uint64_t CurrentThreadStackSize() {
  MEMORY_BASIC_INFORMATION region{};
  if (!VirtualQuery(&region, &region, sizeof region)) return 0;
  const char* base = static_cast<const char*>(region.AllocationBase);
  const char* end = base;
  while (VirtualQuery(end, &region, sizeof region) && region.AllocationBase == base) end += region.RegionSize;
  return static_cast<std::uint64_t>(end - base);
}

bool IsStackSizeAsAsked(std::uint64_t seen, std::uint64_t asked) { return seen == asked; }
