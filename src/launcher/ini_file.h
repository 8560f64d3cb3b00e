// A small INI reader and writer with the profile functions' lookup rules, for
// platforms that have no such functions.
#pragma once

#include <string>
#include <string_view>

// The value of key in section within INI text, or nothing when absent.
// Names are compared without regard to ASCII case; the first match wins;
// blanks around names and values are removed, and one pair of matching
// quotes around a value is dropped.
std::u16string FindIniValue(std::u16string_view text, std::u16string_view section, std::u16string_view key);

// The INI text with key in section set to value: the first matching key is
// replaced, else the key is added at the end of the section, else a new
// section is appended.
std::u16string SetIniValue(std::u16string_view text, std::u16string_view section, std::u16string_view key,
                           std::u16string_view value);
