#include <stdlib.h>

#include "support/environment.h"
#include "support/text.h"

std::optional<std::u16string> ReadEnvironmentVariable(const std::u16string& name) {
  const char* value = getenv(ToUtf8(name).c_str());
  if (!value) return std::nullopt;
  return FromUtf8(value);
}

bool WriteEnvironmentVariable(const std::u16string& name, const std::u16string& value) {
  return setenv(ToUtf8(name).c_str(), ToUtf8(value).c_str(), 1) == 0;
}

// POSIX has no expansion service of its own; names are case-sensitive here.
void ExpandEnvironment(std::u16string& text) {
  if (text.find(u'%') == std::u16string::npos) return;
  text = ExpandReferences(text, [](std::u16string_view name) { return ReadEnvironmentVariable(std::u16string(name)); });
}
