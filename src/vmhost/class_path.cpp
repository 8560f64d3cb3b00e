#include "vmhost/class_path.h"

#include <algorithm>

namespace {

// The pattern a relative entry is searched with: below the executable's
// folder. Windows joins without a separator ("\lib\a.jar" carries its own);
// POSIX joins with exactly one "/".
std::u16string RelativePattern(const std::u16string& entry, std::u16string_view executableFolder, PathStyle style) {
  std::u16string pattern(executableFolder);
  if (style == PathStyle::Posix && (entry.empty() || entry[0] != u'/')) pattern += u'/';
  return pattern + entry;
}

// Elements go between separators, never after the last: an empty element is
// the current directory to the VM.
void AppendElement(std::u16string& classPath, std::u16string_view element, char16_t separator) {
  if (!classPath.empty()) classPath += separator;
  classPath += element;
}

}  // namespace

bool IsAbsoluteClassPathEntry(std::u16string_view entry, PathStyle style) {
  if (style == PathStyle::Posix) return !entry.empty() && entry[0] == u'/';
  return entry.size() >= 2 && (entry[1] == u':' || (entry[0] == u'\\' && entry[1] == u'\\'));
}

std::u16string BuildClassPath(const TokenList& entries, std::u16string_view executablePath, bool embeddedJar,
                              const MatchFinder& findMatches, PathStyle style) {
  const char16_t separator = ListSeparator(style);
  const std::u16string_view executableFolder = CutLastComponent(executablePath, style);
  std::u16string classPath;
  for (std::u16string entry : entries) {
    // Names nothing: on Windows it would otherwise search for the executable's folder itself.
    if (entry.empty()) continue;
    const bool absolute = IsAbsoluteClassPathEntry(entry, style);
    if (style == PathStyle::Posix) std::replace(entry.begin(), entry.end(), u'\\', u'/');
    if (absolute && entry.find(u'*') == std::u16string::npos) {
      AppendElement(classPath, entry, separator);
      continue;
    }
    const std::u16string pattern = absolute ? entry : RelativePattern(entry, executableFolder, style);
    const size_t folderEnd = pattern.rfind(Separator(style));
    const std::u16string_view folder =
        std::u16string_view(pattern).substr(0, folderEnd == std::u16string::npos ? 0 : folderEnd + 1);
    for (const std::u16string& name : findMatches(pattern))
      AppendElement(classPath, std::u16string(folder) + name, separator);
  }
  if (embeddedJar) AppendElement(classPath, executablePath, separator);
  return classPath;
}

std::u16string WithoutEmptyElements(std::u16string_view list, PathStyle style) {
  const char16_t separator = ListSeparator(style);
  std::u16string kept;
  for (const std::u16string& element : SplitText(list, std::u16string(1, separator)))
    if (!element.empty()) AppendElement(kept, element, separator);
  return kept;
}
