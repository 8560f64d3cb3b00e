// The registry keys that Java runtimes' installers write, in the order they
// are searched: the five keys of Java 1.x to 8 first, so that ties still
// favour them, then the keys of today's installers. Each is read below
// HKEY_LOCAL_MACHINE, then below HKEY_CURRENT_USER (per-user installs).
#pragma once

#include <cstddef>
#include <string_view>

#include "runtime/runtime_candidates.h"

// How a key's subkeys name the runtimes it holds.
enum class SubkeyLayout {
  Version,       // <version>, whose value names the runtime's folder
  VersionVmMsi,  // <version>\<VM>\MSI: "hotspot" or "openj9"
  KindInName,    // a name that says the kind: zulu-17, zulu-17-jre, jdk-17, jre-17
};

struct RegistrySource {
  const char16_t* key;  // below the root, ending in a backslash
  SubkeyLayout layout;
  const char16_t* homeValue;  // the value that holds the runtime's folder
  RuntimeKind kind;           // for KindInName, the kind of names that do not say it
  RuntimeVendor vendor;
  bool checkedClientFirst = false;  // the old public JRE key's rule
};

extern const RegistrySource kRegistrySources[];
extern const std::size_t kRegistrySourceCount;

// A KindInName subkey's kind: "jre" in the name (any case) makes a JRE.
RuntimeKind KindOfName(std::u16string_view name, RuntimeKind otherwise);

// A VersionVmMsi key's VM: OpenJ9 is IBM's, HotSpot Sun's.
RuntimeVendor VendorOfVm(std::u16string_view vm, RuntimeVendor otherwise);
