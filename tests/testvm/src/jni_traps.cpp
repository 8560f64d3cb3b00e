// Slots of the JNIEnv table that the VM does not implement: a launcher that
// calls one is caught at once instead of running on with a wrong answer.
#include <cstring>
#include <string>
#include <utility>

#include "fatal.h"
#include "interfaces.h"

namespace testvm {

namespace {

using Slot = void (*)();

template <std::size_t Index>
void trap() {
  fatal("unimplemented JNI function " + std::to_string(Index));
}

template <std::size_t... Index>
void fillSlots(Slot* slots, std::index_sequence<Index...>) {
  ((slots[Index] = &trap<Index>), ...);
}

}  // namespace

void fillWithTraps(JNINativeInterface_& table) {
  constexpr std::size_t count = sizeof(JNINativeInterface_) / sizeof(Slot);
  Slot slots[count];
  static_assert(sizeof slots == sizeof table, "the table holds nothing but function pointers");
  fillSlots(slots, std::make_index_sequence<count>{});
  std::memcpy(static_cast<void*>(&table), slots, sizeof table);
  table.reserved0 = table.reserved1 = table.reserved2 = table.reserved3 = nullptr;
}

}  // namespace testvm
