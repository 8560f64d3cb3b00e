#include <windows.h>

#include "thread_stack.h"

// From the stack's reservation to its top: what the thread can grow into.
std::uint64_t CurrentThreadStackSize() {
  const NT_TIB* block = reinterpret_cast<const NT_TIB*>(NtCurrentTeb());
  MEMORY_BASIC_INFORMATION region{};
  VirtualQuery(&region, &region, sizeof region);
  return static_cast<std::uint64_t>(static_cast<const char*>(block->StackBase) -
                                    static_cast<const char*>(region.AllocationBase));
}

bool IsStackSizeAsAsked(std::uint64_t seen, std::uint64_t asked) { return seen == asked; }
