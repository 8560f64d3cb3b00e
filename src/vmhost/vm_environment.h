// The texts the VM's environment is composed of: the runtime's folders, the
// library-path option and the new search path. Pure; the caller expands them,
// so "%Path%" ("%PATH%" on POSIX) stays a reference here.
#pragma once

#include <string>
#include <string_view>

#include "support/paths.h"

// The variable that holds the program search path.
constexpr std::u16string_view PathVariable(PathStyle style) { return style == PathStyle::Windows ? u"Path" : u"PATH"; }

// The runtime published to the Java program and the processes it starts:
// ZQ_JVM_PATH is the VM library's path, ZQ_JVM_HOME this. The library path
// cut at its last separator three times (a cut that finds no separator leaves
// the text as it is); on Linux the folder above the library's "lib" folder.
std::u16string RuntimeHomeOf(std::u16string_view vmLibraryPath, PathStyle style = kNativePathStyle);

// The runtime's folders derived from its VM library path. Windows:
// C:\Java\jre\bin\client\jvm.dll gives the home C:\Java\jre\ (three
// components removed, separator kept) and the bin folder C:\Java\jre\bin.
// POSIX: the home is the folder above the last "lib" component
// (/jdk/lib/server/libjvm.so and /jre/lib/amd64/server/libjvm.so give /jdk/
// and /jre/), and the bin folder is the home + "bin".
std::u16string RuntimeHome(std::u16string_view vmLibraryPath, PathStyle style = kNativePathStyle);
std::u16string RuntimeBinFolder(std::u16string_view vmLibraryPath, PathStyle style = kNativePathStyle);

// The runtime's own C runtime libraries, which a Windows VM library needs:
// in its bin folder, by full path, so that the VM binds to them and not to
// older copies elsewhere on Path. None elsewhere.
TokenList RuntimeCLibraries(std::u16string_view vmLibraryPath, PathStyle style = kNativePathStyle);

// "Library Path" followed by the executable's folder, the current folder, the
// inherited search path and the runtime's lib folder.
std::u16string ComposeLibraryPath(std::u16string_view libraryPath, std::u16string_view executablePath,
                                  std::u16string_view vmLibraryPath, PathStyle style = kNativePathStyle);

// "System Path" followed by the inherited search path and the runtime's bin folder.
std::u16string ComposeSearchPath(std::u16string_view systemPath, std::u16string_view vmLibraryPath,
                                 PathStyle style = kNativePathStyle);
