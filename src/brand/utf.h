// UTF-8 (command lines, manifests) and UTF-16 (resources, Windows arguments).
#pragma once

#include <string>
#include <string_view>

// Malformed sequences become U+FFFD.
std::u16string Utf16FromUtf8(std::string_view text);
// Lone surrogates become U+FFFD.
std::string Utf8FromUtf16(std::u16string_view text);
