// What the texts of the settings file mean: each rule turns the text read for
// one key into the values it gives LauncherSettings. Pure, so the tables are
// tested as tables.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/launcher_settings.h"

// The sections of the settings file.
inline constexpr char16_t kRuntimeSection[] = u"Java Runtime Environment";
inline constexpr char16_t kApplicationSection[] = u"Application";
inline constexpr char16_t kProductSection[] = u"Product Information";
inline constexpr char16_t kClassPathSection[] = u"Class Path";

// The "Yes" switches ("Override WorkingDir", "Pair Return Code", "Embedded Jar"): any case.
bool IsYesSetting(std::u16string_view text);

// "Class Data Sharing": "auto" in any case.
bool IsAutoSetting(std::u16string_view text);

// "Application Type": exactly "service".
bool IsServiceSetting(std::u16string_view text);

// "Single Instance": exactly "yes".
bool IsSingleInstanceSetting(std::u16string_view text);

// "JVM Type": exactly "server" or "favor_server"; anything else is Any.
ServerVmMode ServerVmModeSetting(std::u16string_view text);

// "Preferred versions": cut at every ";", empty pieces kept, none after a
// final ";", nothing trimmed.
std::vector<std::u16string> PreferredVersionsSetting(std::u16string_view text);

// "Main Class" in the slash form the VM looks classes up by.
std::u16string MainClassSetting(std::u16string_view text);

// "JVM Source": sets acceptJdk, acceptJre and favorKind (exact comparison).
void ApplyJvmSource(std::u16string_view text, LauncherSettings& settings);

// "VM Provider": a name of the table, in any case, sets all six vendor
// flags; any other text leaves them as they are.
void ApplyVmProvider(std::u16string_view text, LauncherSettings& settings);
