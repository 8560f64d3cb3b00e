// The Windows side of the text boundary: our UTF-16 strings are the platform's
// wide strings, and narrow text is in a code page.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

inline const wchar_t* Wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }
// A buffer for an API to write wide text into.
inline wchar_t* WideBuffer(std::u16string& buffer) { return reinterpret_cast<wchar_t*>(buffer.data()); }

inline std::u16string FromWide(const wchar_t* text, size_t length) {
  return std::u16string(reinterpret_cast<const char16_t*>(text), length);
}

inline std::u16string FromWide(const wchar_t* text) { return FromWide(text, wcslen(text)); }

// Characters the code page lacks become its default character.
std::string ToCodePage(std::u16string_view text, UINT codePage);
std::u16string FromCodePage(std::string_view text, UINT codePage);
