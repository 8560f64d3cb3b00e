// Reading the registry: keys are opened for reading in a chosen view and are
// owned by the caller as UniqueRegistryKey.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "support/handles_win32.h"

// Default: the view of this build. The other two name a view explicitly, as
// a 32-bit launcher asks for the 64-bit one and a 64-bit launcher for the 32-bit one.
enum class RegistryView { Default, Bits64, Bits32 };

// An empty key when the subkey cannot be opened.
UniqueRegistryKey OpenRegistryKey(HKEY root, const std::u16string& subkey, RegistryView view);

// The names of the key's direct subkeys, in the registry's enumeration order.
std::vector<std::u16string> EnumerateSubkeyNames(HKEY key);

// The value's text up to its first NUL, or all of it when it has none; nothing
// for a missing value or one with empty data.
std::optional<std::u16string> ReadRegistryString(HKEY key, const std::u16string& valueName);
