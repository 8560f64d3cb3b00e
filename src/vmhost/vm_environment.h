// The texts the VM's environment is composed of: the runtime's folders, the
// library-path option and the new search path. Pure; ExpandEnvironment is
// applied by the caller, so "%Path%" ("%PATH%" on POSIX) stays a reference here.
#pragma once

#include <string>
#include <string_view>

#include "support/paths.h"

// The runtime's folders derived from its VM library path. Windows:
// C:\Java\jre\bin\client\jvm.dll gives the home C:\Java\jre\ (three
// components removed, separator kept) and the bin folder C:\Java\jre\bin.
// POSIX: the home is the folder above the last "lib" component
// (/jdk/lib/server/libjvm.so and /jre/lib/amd64/server/libjvm.so give /jdk/
// and /jre/), and the bin folder is the home + "bin".
std::u16string RuntimeHome(std::u16string_view vmLibraryPath, PathStyle style = kNativePathStyle);
std::u16string RuntimeBinFolder(std::u16string_view vmLibraryPath, PathStyle style = kNativePathStyle);

// "Library Path" followed by the executable's folder, the current folder, the
// inherited search path and the runtime's lib folder.
std::u16string ComposeLibraryPath(std::u16string_view libraryPath, std::u16string_view executablePath,
                                  std::u16string_view vmLibraryPath, PathStyle style = kNativePathStyle);

// "System Path" followed by the inherited search path and the runtime's bin folder.
std::u16string ComposeSearchPath(std::u16string_view systemPath, std::u16string_view vmLibraryPath,
                                 PathStyle style = kNativePathStyle);
