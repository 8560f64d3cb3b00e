// What a runtime's "release" file says about it (KEY="value" lines).
#pragma once

#include <string>
#include <string_view>

struct ReleaseFacts {
  std::u16string javaVersion;  // JAVA_VERSION, empty when absent
  std::u16string implementor;  // IMPLEMENTOR

  // IBM's runtimes name IBM or their OpenJ9 VM as implementor.
  bool isIbm() const;
};

ReleaseFacts ReadReleaseFacts(std::u16string_view text);
