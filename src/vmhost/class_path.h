// The class path handed to the VM, built from the "Class Path" entries.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "support/paths.h"

// The names a directory search for a pattern finds (FindMatchingNames).
using MatchFinder = std::function<std::vector<std::u16string>(const std::u16string& pattern)>;

// Windows: two characters at least, and a drive colon second or two leading
// backslashes. POSIX: a leading "/" (a leading backslash is the Windows
// convention for a relative entry).
bool IsAbsoluteClassPathEntry(std::u16string_view entry, PathStyle style = kNativePathStyle);

// Every entry in order (an empty one names nothing), the list separator between them and never at either
// end, since the VM reads an empty element as the current directory: an absolute
// entry without "*" as written (it need not exist); any other entry searched
// (relative ones below the executable's folder, to which a Windows entry
// carries its own leading backslash) and replaced by its matches, in the
// file system's order. With embeddedJar the executable itself comes last.
// On POSIX a backslash in an entry reads as "/".
std::u16string BuildClassPath(const TokenList& entries, std::u16string_view executablePath, bool embeddedJar,
                              const MatchFinder& findMatches, PathStyle style = kNativePathStyle);

// The list with its empty elements taken out: a leading, trailing or doubled
// separator that variables or an entry's own text brought in. "." stays.
std::u16string WithoutEmptyElements(std::u16string_view list, PathStyle style = kNativePathStyle);
