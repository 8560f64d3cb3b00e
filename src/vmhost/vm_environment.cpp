#include "vmhost/vm_environment.h"

#include <algorithm>

namespace {

std::u16string PathReference(PathStyle style) { return u"%" + std::u16string(PathVariable(style)) + u"%"; }

// A folder list from the settings, which separate folders with ";" on every
// platform, ending with the platform's separator unless it is empty.
std::u16string FolderListFromSettings(std::u16string_view folders, PathStyle style) {
  std::u16string list(folders);
  std::replace(list.begin(), list.end(), u';', ListSeparator(style));
  if (!list.empty() && list.back() != ListSeparator(style)) list += ListSeparator(style);
  return list;
}

}  // namespace

std::u16string RuntimeHomeOf(std::u16string_view vmLibraryPath, PathStyle style) {
  // A Linux runtime keeps its library below "lib", one level deeper in the
  // older lib/<arch>/ layout: its home is the folder that holds that "lib".
  if (style == PathStyle::Posix) {
    size_t lib = vmLibraryPath.rfind(u"/lib/");
    if (lib != std::u16string_view::npos) return std::u16string(vmLibraryPath.substr(0, lib));
  }
  std::u16string_view home = vmLibraryPath;
  for (int cut = 0; cut < 3; ++cut) home = CutLastComponent(home, style);
  return std::u16string(home);
}

std::u16string RuntimeHome(std::u16string_view vmLibraryPath, PathStyle style) {
  return RuntimeHomeOf(vmLibraryPath, style) + Separator(style);
}

std::u16string RuntimeBinFolder(std::u16string_view vmLibraryPath, PathStyle style) {
  if (style == PathStyle::Posix) return RuntimeHome(vmLibraryPath, style) + u"bin";
  return std::u16string(CutLastComponent(CutLastComponent(vmLibraryPath, style), style));
}

TokenList RuntimeCLibraries(std::u16string_view vmLibraryPath, PathStyle style) {
  if (style != PathStyle::Windows) return {};
  const std::u16string bin = RuntimeBinFolder(vmLibraryPath, style) + Separator(style);
  return {bin + u"vcruntime140.dll", bin + u"vcruntime140_1.dll", bin + u"msvcp140.dll"};
}

std::u16string ComposeLibraryPath(std::u16string_view libraryPath, std::u16string_view executablePath,
                                  std::u16string_view vmLibraryPath, PathStyle style) {
  const char16_t separator = ListSeparator(style);
  std::u16string composed = FolderListFromSettings(libraryPath, style);
  composed += CutLastComponent(executablePath, style);
  composed += Separator(style);
  composed += separator;
  composed += u'.';
  composed += separator;
  composed += PathReference(style);
  composed += separator;
  composed += RuntimeHome(vmLibraryPath, style);
  composed += u"lib";
  return composed;
}

std::u16string ComposeSearchPath(std::u16string_view systemPath, std::u16string_view vmLibraryPath, PathStyle style) {
  return FolderListFromSettings(systemPath, style) + PathReference(style) + ListSeparator(style) +
         RuntimeBinFolder(vmLibraryPath, style);
}
