#include "support/paths.h"

bool IsRootedPath(std::u16string_view path, PathStyle style) {
  if (path.empty()) return false;
  if (style == PathStyle::Posix) return path[0] == u'/';
  return path[0] == u'\\' || path.find(u':') != std::u16string_view::npos;
}

TokenList SplitPathComponents(std::u16string_view path, PathStyle style) {
  const char16_t separator = Separator(style);
  std::u16string head;
  std::u16string_view rest = path;
  bool keepEmptyHead = false;
  if (style == PathStyle::Windows) {
    if (rest.substr(0, 4) == u"\\\\?\\") {
      head = u"\\\\?\\";
      rest.remove_prefix(4);
    }
    bool isUnc = rest.size() >= 3 && rest[0] == u'\\' && rest[1] == u'\\' && rest[2] != u'?';
    size_t end = rest.find(separator, isUnc ? 2 : 0);
    if (end == std::u16string_view::npos) end = rest.size();
    head += rest.substr(0, end);
    rest.remove_prefix(end < rest.size() ? end + 1 : end);
  } else if (!rest.empty() && rest[0] == separator) {
    keepEmptyHead = true;  // the root of an absolute path
    rest.remove_prefix(1);
  }
  TokenList components;
  if (!head.empty() || keepEmptyHead) components.push_back(head);
  for (std::u16string& name : SplitText(rest, std::u16string(1, separator))) components.push_back(std::move(name));
  return components;
}

std::u16string_view CutLastComponent(std::u16string_view path, PathStyle style) {
  size_t last = path.rfind(Separator(style));
  return last == std::u16string_view::npos ? path : path.substr(0, last);
}

std::u16string_view FileNameOf(std::u16string_view path, PathStyle style) {
  size_t last = path.rfind(Separator(style));
  return last == std::u16string_view::npos ? path : path.substr(last + 1);
}

std::u16string_view FileStemOf(std::u16string_view path, PathStyle style) {
  const std::u16string_view name = FileNameOf(path, style);
  return name.substr(0, name.rfind(u'.'));
}

std::optional<std::u16string> WorkingDirectoryFor(std::u16string_view executablePath, PathStyle style) {
  size_t last = executablePath.rfind(Separator(style));
  if (last == std::u16string_view::npos || last == 0) return std::nullopt;
  return std::u16string(executablePath.substr(0, last));
}
