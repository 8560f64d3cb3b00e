// Lines of UTF-16 text written to standard output in UTF-8, as the probes
// that the shell tests read print them.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

inline void Print(const std::wstring& line) {
  std::string bytes(WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, nullptr, 0, nullptr, nullptr), '\0');
  WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr);
  bytes.back() = '\n';
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}
