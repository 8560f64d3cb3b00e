// Path conventions of the platform being built, and the pure path rules that
// depend on them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "support/text.h"

enum class PathStyle { Windows, Posix };

#ifdef _WIN32
constexpr PathStyle kNativePathStyle = PathStyle::Windows;
#else
constexpr PathStyle kNativePathStyle = PathStyle::Posix;
#endif

constexpr char16_t Separator(PathStyle style) { return style == PathStyle::Windows ? u'\\' : u'/'; }
constexpr char16_t kPathSeparator = Separator(kNativePathStyle);

// The separator between the folders of a search path, and between the
// entries of the VM's class and library paths.
constexpr char16_t ListSeparator(PathStyle style) { return style == PathStyle::Windows ? u';' : u':'; }

// Whether a path names a place independent of the current directory's folder:
// Windows wants a leading backslash or a drive colon, POSIX a leading slash.
bool IsRootedPath(std::u16string_view path, PathStyle style = kNativePathStyle);

// The head (drive, server, long-path prefix with drive; the empty root of an
// absolute POSIX path) followed by the names between separators. A head that
// is empty on Windows is left out.
TokenList SplitPathComponents(std::u16string_view path, PathStyle style = kNativePathStyle);

// The text before the last separator, or the whole text when there is none.
std::u16string_view CutLastComponent(std::u16string_view path, PathStyle style = kNativePathStyle);
// The text after the last separator, or the whole text when there is none.
std::u16string_view FileNameOf(std::u16string_view path, PathStyle style = kNativePathStyle);
// The file name without the text from its last dot on.
std::u16string_view FileStemOf(std::u16string_view path, PathStyle style = kNativePathStyle);

// The folder "Override WorkingDir" makes current: the text before the
// executable path's last separator (for C:\tool.exe the drive, C:); nothing
// when there is no separator or it comes first.
std::optional<std::u16string> WorkingDirectoryFor(std::u16string_view executablePath,
                                                  PathStyle style = kNativePathStyle);
