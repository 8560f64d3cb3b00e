// Every value the settings file gives a run, read once at its start and only
// read afterwards. Texts are kept as written; what is derived from them (the
// composed library path, expanded file names, the pieces of "Cmd") belongs to
// the VM plan.
#pragma once

#include <string>
#include <vector>

#include "support/java_version.h"

enum class ServerVmMode { Any = 0, ServerOnly = 1, FavorServer = 2 };

struct LauncherSettings {
  ServerVmMode serverVmMode = ServerVmMode::Any;
  std::u16string mainClass;  // slash form, as FindClass wants it
  JavaVersion minimumVersion;
  JavaVersion maximumVersion;
  bool isService = false;
  bool isSingleInstance = false;
  bool acceptJdk = false;
  bool acceptJre = false;
  bool favorKind = true;
  bool acceptJRockit = false;
  bool acceptSun = true;
  bool acceptIbm = false;
  bool favorJRockit = false;
  bool favorSun = true;
  bool favorIbm = false;
  std::u16string productName;
  std::u16string productCode;
  std::vector<std::u16string> preferredVersions;
  std::u16string jrePath;
  std::u16string libraryPath;
  std::u16string systemPath;
  std::u16string classPath;     // entries separated by ";"
  bool embeddedJar = false;     // the executable itself goes on the class path
  std::u16string vmParameters;  // options separated by blanks
  std::u16string outputFile;
  std::u16string errorFile;
  std::u16string extraArguments;  // "Cmd"
  std::u16string pairProduct;
  bool pairReturnCode = false;
  bool overrideWorkingDir = false;
  bool classDataSharing = false;  // the launcher keeps a class-data archive of the application

  // IBM VMs are admitted: threads that attach to the VM stay attached.
  bool admitsIbm() const { return acceptIbm || favorIbm; }
};
