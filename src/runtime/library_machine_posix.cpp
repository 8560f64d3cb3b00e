#include <elf.h>

#include "runtime/library_machine.h"

std::uint16_t OwnMachineType() {
#if defined(__x86_64__)
  return EM_X86_64;
#elif defined(__i386__)
  return EM_386;
#elif defined(__aarch64__)
  return EM_AARCH64;
#else
#error "the machine type of this build is not known"
#endif
}
