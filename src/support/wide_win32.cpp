#include "support/wide_win32.h"

std::string ToCodePage(std::u16string_view text, UINT codePage) {
  if (text.empty()) return std::string();
  auto wide = reinterpret_cast<const wchar_t*>(text.data());
  int length = WideCharToMultiByte(codePage, 0, wide, static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(length, '\0');
  WideCharToMultiByte(codePage, 0, wide, static_cast<int>(text.size()), out.data(), length, nullptr, nullptr);
  return out;
}

std::u16string FromCodePage(std::string_view text, UINT codePage) {
  if (text.empty()) return std::u16string();
  int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::u16string out(length, u'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), reinterpret_cast<wchar_t*>(out.data()),
                      length);
  return out;
}
