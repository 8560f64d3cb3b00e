#include "support/environment.h"
#include "support/environment_expansion.h"

// POSIX has no expansion service of its own; names are case-sensitive here.
void ExpandEnvironment(std::u16string& text) {
  if (text.find(u'%') == std::u16string::npos) return;
  text = ExpandReferences(text, [](std::u16string_view name) { return GetEnvironmentValue(std::u16string(name)); });
}
