// The class-data archive the launcher keeps for each user when "Class Data
// Sharing" is "auto": an archive of the application's classes that later
// starts map instead of loading them anew. Which archive a start uses, and
// how: the VM reads it, or writes it when the VM ends, or keeps it itself
// (Java 19 and later). Pure: what it asks of the files comes in as facts.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "settings/launcher_settings.h"
#include "support/environment_expansion.h"
#include "support/files.h"
#include "support/java_version.h"
#include "support/paths.h"
#include "support/text.h"

enum class ArchiveUse { None, Read, Dump, AutoCreate };

struct ClassDataPlan {
  ArchiveUse use = ArchiveUse::None;
  std::u16string why;        // what decided, for the trace; empty when the setting is off
  std::u16string folder;     // the product's folder in the user's cache
  std::u16string archive;    // the archive for this start's key
  std::u16string temporary;  // Dump: where the VM writes; the archive's name once the VM has ended
  TokenList options;         // the VM options that say so, silencing the VM's archive messages
};

// What the choice needs to know.
struct ClassDataFacts {
  std::u16string executablePath;
  std::u16string vmLibraryPath;
  JavaVersion version;  // count 0 when unknown
  bool isIbm = false;   // an OpenJ9 or IBM J9 VM
  TokenList classPath;  // the final entries
  TokenList options;    // every other option the VM is given
  VariableLookup environment;
  std::function<std::optional<FileFacts>(const std::u16string&)> fileFacts;
  std::function<bool(std::u16string_view)> vmTextCarries;  // whether the VM's narrow text can carry a path
  std::u16string uniqueTag;                                // no other start's: names this start's temporary file
};

ClassDataPlan PlanClassData(const LauncherSettings& settings, const ClassDataFacts& facts,
                            PathStyle style = kNativePathStyle);
