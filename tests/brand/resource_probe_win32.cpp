// Reads an executable's resources back the way Windows programs do, one line
// each, for the branding test to compare:
//   resource_probe FILE STRING-ID DIALOG-ID
// The fixed versions and the strings through GetFileVersionInfoW and
// VerQueryValueW; the languages of the version resource, the first icon
// group and its images; the message through LoadStringW and the dialog
// through FindResourceW; the manifest's DPI awareness; and the checksum that
// the header holds beside the one MapFileAndCheckSumW computes.
#include <windows.h>

#include <fcntl.h>
#include <imagehlp.h>
#include <io.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "../programs/utf8_lines_win32.h"

namespace {

std::wstring Version(DWORD high, DWORD low) {
  return std::to_wstring(HIWORD(high)) + L"." + std::to_wstring(LOWORD(high)) + L"." + std::to_wstring(HIWORD(low)) +
         L"." + std::to_wstring(LOWORD(low));
}

std::wstring Hex(unsigned value, int digits) {
  wchar_t text[16];
  swprintf(text, 16, L"%0*X", digits, value);
  return text;
}

void PrintVersionInfo(const wchar_t* file) {
  DWORD ignored = 0;
  std::vector<BYTE> info(GetFileVersionInfoSizeW(file, &ignored));
  if (info.empty() || !GetFileVersionInfoW(file, 0, static_cast<DWORD>(info.size()), info.data())) {
    Print(L"version: none");
    return;
  }
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT size = 0;
  if (VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &size) && size >= sizeof *fixed) {
    Print(L"file version: " + Version(fixed->dwFileVersionMS, fixed->dwFileVersionLS));
    Print(L"product version: " + Version(fixed->dwProductVersionMS, fixed->dwProductVersionLS));
  }
  WORD* translation = nullptr;
  if (!VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &size) ||
      size < 4)
    return;
  const std::wstring table = Hex(translation[0], 4) + Hex(translation[1], 4);
  Print(L"translation: " + table);
  for (const wchar_t* name : {L"CompanyName", L"FileDescription", L"FileVersion", L"InternalName", L"LegalCopyright",
                              L"OriginalFilename", L"ProductName", L"ProductVersion", L"Comments"}) {
    wchar_t* value = nullptr;
    const std::wstring path = L"\\StringFileInfo\\" + table + L"\\" + name;
    if (VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &size))
      Print(std::wstring(name) + L": " + value);
  }
}

BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR languages) {
  *reinterpret_cast<std::wstring*>(languages) += L" " + Hex(language, 4);
  return TRUE;
}

BOOL CALLBACK KeepFirstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR first) {
  *reinterpret_cast<std::wstring*>(first) = IS_INTRESOURCE(name) ? L"#" + std::to_wstring(LOWORD(name)) : name;
  return FALSE;
}

BOOL CALLBACK CountName(HMODULE, LPCWSTR, LPWSTR, LONG_PTR count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

void PrintResources(HMODULE module, UINT stringId, WORD dialogId) {
  std::wstring languages;
  EnumResourceLanguagesW(module, MAKEINTRESOURCEW(16), MAKEINTRESOURCEW(1), &AddLanguage,
                         reinterpret_cast<LONG_PTR>(&languages));
  int versions = 0;
  EnumResourceNamesW(module, MAKEINTRESOURCEW(16), &CountName, reinterpret_cast<LONG_PTR>(&versions));
  Print(L"version resources: " + std::to_wstring(versions) + L", languages of #1:" + languages);
  std::wstring firstGroup = L"none";
  EnumResourceNamesW(module, MAKEINTRESOURCEW(14), &KeepFirstName, reinterpret_cast<LONG_PTR>(&firstGroup));
  int images = 0;
  EnumResourceNamesW(module, MAKEINTRESOURCEW(3), &CountName, reinterpret_cast<LONG_PTR>(&images));
  Print(L"first icon group: " + firstGroup + L", icon images: " + std::to_wstring(images));
  wchar_t text[1024] = L"";
  LoadStringW(module, stringId, text, 1024);
  Print(L"string " + std::to_wstring(stringId) + L": " + text);
  Print(L"dialog " + std::to_wstring(dialogId) + L": " +
        (FindResourceW(module, MAKEINTRESOURCEW(dialogId), MAKEINTRESOURCEW(5)) ? L"found" : L"missing"));
  HRSRC manifest = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  const char* bytes = manifest ? static_cast<const char*>(LockResource(LoadResource(module, manifest))) : nullptr;
  const std::string content = bytes ? std::string(bytes, SizeofResource(module, manifest)) : "";
  const std::size_t awareness = content.find("<dpiAwareness");
  Print(std::wstring(L"manifest: ") + (manifest ? L"present" : L"missing") +
        (awareness == std::string::npos ? L", no DPI awareness" : L", DPI awareness declared"));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  if (argc != 4) return 2;
  const wchar_t* file = argv[1];
  PrintVersionInfo(file);
  HMODULE module = LoadLibraryExW(file, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (!module) {
    Print(L"cannot load " + std::wstring(file));
    return 1;
  }
  PrintResources(module, static_cast<UINT>(_wtoi(argv[2])), static_cast<WORD>(_wtoi(argv[3])));
  FreeLibrary(module);
  DWORD header = 0, computed = 0;
  if (MapFileAndCheckSumW(file, &header, &computed) != CHECKSUM_SUCCESS) return 1;
  Print(L"checksum: " + std::wstring(header == computed
                                         ? L"as computed"
                                         : L"header " + Hex(header, 8) + L", computed " + Hex(computed, 8)));
  return 0;
}
