#include <stdlib.h>
#include <unistd.h>

#include "support/environment.h"
#include "support/text.h"

std::optional<std::u16string> GetEnvironmentValue(const std::u16string& name) {
  const char* value = getenv(ToUtf8(name).c_str());
  if (!value) return std::nullopt;
  return FromUtf8(value);
}

bool SetEnvironmentValue(const std::u16string& name, const std::u16string& value) {
  return setenv(ToUtf8(name).c_str(), ToUtf8(value).c_str(), 1) == 0;
}

bool SetCurrentFolder(const std::u16string& folder) { return chdir(ToUtf8(folder).c_str()) == 0; }
