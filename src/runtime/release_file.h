// What a runtime's "release" file says about it (KEY="value" lines).
#pragma once

#include <string>
#include <string_view>

struct ReleaseFacts {
  std::u16string javaVersion;  // JAVA_VERSION, empty when absent
  std::u16string implementor;  // IMPLEMENTOR
  std::u16string jvmVariant;   // JVM_VARIANT: "Hotspot", "Openj9", ...

  // An OpenJ9 or IBM J9 VM: IBM's runtimes name IBM or OpenJ9 as implementor,
  // other builds of OpenJ9 name it as their VM's variant.
  bool isIbm() const;
};

ReleaseFacts ReadReleaseFacts(std::u16string_view text);
