#include "runtime/installed_runtimes.h"
#include "support/registry_win32.h"

namespace {

RegistryView ViewOf(RuntimeView view) {
  if (view == RuntimeView::Default) return RegistryView::Default;
  return sizeof(void*) == 4 ? RegistryView::Bits64 : RegistryView::Bits32;
}

}  // namespace

std::vector<RegisteredRuntime> RegisteredRuntimes(const RuntimeSource& source, RuntimeView view) {
  const RegistryView registryView = ViewOf(view);
  std::vector<RegisteredRuntime> runtimes;
  UniqueRegistryKey key = OpenRegistryKey(HKEY_LOCAL_MACHINE, source.key, registryView);
  if (!key) return runtimes;
  for (std::u16string& name : EnumerateSubkeyNames(key.get())) {
    UniqueRegistryKey runtime = OpenRegistryKey(HKEY_LOCAL_MACHINE, source.key + name, registryView);
    std::optional<std::u16string> home;
    if (runtime) home = ReadRegistryString(runtime.get(), u"JavaHome");
    runtimes.push_back({std::move(name), home.value_or(u"")});
  }
  return runtimes;
}
