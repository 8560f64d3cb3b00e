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

// How a settings file's bytes encode its text, as the profile functions tell
// it: by a byte-order mark, UTF-8 without one.
enum class SettingsEncoding { Utf8, Utf8WithMark, Utf16LittleEndian, Utf16BigEndian };

SettingsEncoding DetectSettingsEncoding(std::string_view bytes);

// The text of a settings file's bytes, without its byte-order mark; an odd
// last byte of UTF-16 text is dropped, malformed UTF-8 becomes U+FFFD.
std::u16string DecodeSettingsText(std::string_view bytes);

// The bytes of text in the given encoding, with its byte-order mark if it has one.
std::string EncodeSettingsText(std::u16string_view text, SettingsEncoding encoding);
