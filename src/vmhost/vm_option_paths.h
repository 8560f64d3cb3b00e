// The paths in the VM's options as the VM's narrow text can carry them. On
// Windows that text is the ANSI code page, which may lack characters of a
// folder's name (a Japanese folder on a Western system): such a path would
// reach the VM with "?" in it, so it goes by its short (8.3) name instead.
// Pure: what it asks of the machine comes in as NarrowTextFacts.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "support/paths.h"

struct NarrowTextFacts {
  std::function<bool(std::u16string_view)> carries;                               // VmTextCarries
  std::function<std::optional<std::u16string>(const std::u16string&)> shortPath;  // ShortPathName
};

struct CarriedOptions {
  TokenList options;
  // A path that can be carried neither as it is nor by a short name: the
  // options are then of no use.
  std::optional<std::u16string> uncarriedPath;
};

// The options, each path in them that cannot be carried replaced by its short
// name. Paths are the elements of -Djava.class.path=, -Djava.library.path=
// and -Xbootclasspath/a:, and the file of -javaagent: and -agentpath: (up to
// an "=" that starts its options). A list element that cannot be carried and
// does not exist is left out, as it names nothing, unless the list would be
// left empty; every other option stays as it is.
CarriedOptions CarryOptionPaths(const TokenList& options, const NarrowTextFacts& facts,
                                PathStyle style = kNativePathStyle);
