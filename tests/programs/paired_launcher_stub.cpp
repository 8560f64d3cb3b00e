// Stands in for a paired launcher in the black-box tests. It is started with
// its own path as its only command line, so it takes its orders from files
// beside it:
// - writes started.txt: its current directory, a line feed, its command line;
// - when hold.txt exists, waits (at most 30 s) until release.txt exists;
// - writes done.txt and ends with the number in exit-code.txt (0 without it).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::wstring Folder() {
  wchar_t path[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.rfind(L'\\') + 1);
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string Utf8(const std::wstring& text) {
  int length =
      WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(length, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), length, nullptr, nullptr);
  return out;
}

void Write(const std::wstring& path, const std::string& content) {
  if (FILE* file = _wfopen(path.c_str(), L"wb")) {
    fwrite(content.data(), 1, content.size(), file);
    fclose(file);
  }
}

int ExitCode(const std::wstring& path) {
  FILE* file = _wfopen(path.c_str(), L"rb");
  if (!file) return 0;
  char text[32] = {};
  fread(text, 1, sizeof text - 1, file);
  fclose(file);
  return std::atoi(text);
}

}  // namespace

int main() {
  const std::wstring folder = Folder();
  wchar_t directory[MAX_PATH];
  DWORD length = GetCurrentDirectoryW(MAX_PATH, directory);
  Write(folder + L"started.txt", Utf8(std::wstring(directory, length)) + "\n" + Utf8(GetCommandLineW()));
  if (Exists(folder + L"hold.txt"))
    for (int waited = 0; waited < 30000 && !Exists(folder + L"release.txt"); waited += 50) Sleep(50);
  Write(folder + L"done.txt", "");
  return ExitCode(folder + L"exit-code.txt");
}
