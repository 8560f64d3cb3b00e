#include <windows.h>

#include "runtime/library_machine.h"

std::uint16_t OwnMachineType() { return sizeof(void*) == 8 ? IMAGE_FILE_MACHINE_AMD64 : IMAGE_FILE_MACHINE_I386; }
