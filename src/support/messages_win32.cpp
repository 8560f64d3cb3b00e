#include <windows.h>

#include <cstdio>
#include <io.h>

#include "support/messages.h"
#include "support/wide_win32.h"

std::u16string LoadMessage(MessageId id) {
  const wchar_t* text = nullptr;
  // With a zero buffer size LoadStringW hands out the resource's own text,
  // which is not terminated; its length is the result.
  int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
  return length > 0 ? FromWide(text, length) : std::u16string();
}

void WriteStandardOutput(std::u16string_view line) {
  // A console shows its own code page; files and pipes get the ANSI one.
  UINT codePage = _isatty(_fileno(stdout)) ? GetConsoleOutputCP() : CP_ACP;
  std::string narrow = ToCodePage(line, codePage ? codePage : CP_ACP);
  // stdout is in text mode, so each line feed reaches the output as CR LF.
  std::fwrite(narrow.data(), 1, narrow.size(), stdout);
  std::fflush(stdout);
}
