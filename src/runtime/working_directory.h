// "Override WorkingDir": the run starts in the executable's folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "support/paths.h"

// Makes the executable's folder the current directory.
void ApplyWorkingDirectory();

// The folder ApplyWorkingDirectory moves to: the text before the path's last
// separator (for C:\tool.exe the drive, C:); nothing when there is no
// separator or it comes first.
std::optional<std::u16string> WorkingDirectoryFor(std::u16string_view executablePath,
                                                  PathStyle style = kNativePathStyle);
