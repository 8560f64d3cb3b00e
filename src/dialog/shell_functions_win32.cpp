#include "dialog/shell_functions_win32.h"

#include <optional>

namespace {

// From the system folder only: a library of the same name beside the launcher
// (in a download folder, say) is never loaded in its place.
HMODULE LoadSystemLibrary(const wchar_t* name) { return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32); }

template <typename Function>
void Find(HMODULE library, const char* name, Function& function) {
  if (library) function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

ShellFunctions Load() {
  ShellFunctions shell;
  // The manifest makes this the common controls' version 6.
  HMODULE controls = LoadSystemLibrary(L"comctl32.dll");
  Find(controls, "InitCommonControlsEx", shell.initCommonControlsEx);
  HMODULE ole = LoadSystemLibrary(L"ole32.dll");
  Find(ole, "OleInitialize", shell.oleInitialize);
  Find(ole, "OleUninitialize", shell.oleUninitialize);
  Find(ole, "CoTaskMemFree", shell.coTaskMemFree);
  HMODULE shell32 = LoadSystemLibrary(L"shell32.dll");
  Find(shell32, "SHBrowseForFolderW", shell.browseForFolder);
  Find(shell32, "SHGetPathFromIDListW", shell.pathFromIdList);
  Find(shell32, "ShellExecuteW", shell.shellExecute);
  return shell;
}

}  // namespace

// Loaded when the dialog is first shown, on the one thread that shows it:
// no guard needed, and none of a guard's thread library in the image.
const ShellFunctions& LoadedShellFunctions() {
  static std::optional<ShellFunctions> shell;
  if (!shell) shell = Load();
  return *shell;
}
