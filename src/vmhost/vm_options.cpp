#include "vmhost/vm_options.h"

#include <optional>

#include "launcher/launcher.h"
#include "launcher/settings_reader.h"
#include "runtime/runtime_environment.h"
#include "support/environment.h"
#include "support/environment_expansion.h"
#include "support/files.h"
#include "support/messages.h"
#include "support/module_path.h"
#include "vmhost/class_path.h"
#include "vmhost/vm_environment.h"
#include "vmhost/vm_parameters.h"
#include "vmhost/vm_text.h"

namespace {

std::u16string Expanded(std::u16string text) {
  ExpandEnvironment(text);
  return text;
}

// The "-Xss" token's stack size, after any memory rewriting; the last one decides.
void TakeStackSize(Launcher& launcher, std::u16string_view token) {
  if (token.substr(0, 4) == u"-Xss") launcher.mainThreadStackSize = ParseStackSize(token.substr(4));
}

// The options of "Virtual Machine Parameters", in the order written. The
// machine's memory is asked for only when an option is relative to it.
void AppendVmParameters(Launcher& launcher, std::u16string_view value, TokenList& options) {
  std::optional<MemoryStatus> memory;
  for (const std::u16string& written : SplitVmParameters(value)) {
    std::u16string token = StripQuotes(written);
    if (IsRelativeMemoryOption(token)) {
      if (!memory) memory = QueryMemoryStatus();
      token = ExpandMemoryOption(token, *memory);
    }
    TakeStackSize(launcher, token);
    options.push_back(std::move(token));
  }
}

// "Cmd": its non-empty pieces follow the command-line arguments.
void AppendExtraArguments(Launcher& launcher) {
  std::u16string& extra = launcher.settings.extraArguments;
  if (extra.empty()) return;
  ExpandEnvironment(extra);
  TokenList pieces;
  SplitCommandLine(extra, pieces);
  for (std::u16string& piece : pieces)
    if (!piece.empty()) launcher.arguments.push_back(std::move(piece));
}

}  // namespace

void PrepareVmEnvironment(Launcher& launcher) {
  PublishRuntimeEnvironment(launcher);
  LauncherSettings& settings = launcher.settings;
  if (!settings.libraryPath.empty()) {
    std::u16string executablePath;
    if (ModulePath(executablePath)) {
      // Expanded before the search path changes: "%Path%" is the inherited one.
      settings.libraryPath = Expanded(ComposeLibraryPath(settings.libraryPath, executablePath, launcher.vmLibraryPath));
      launcher.vmOptions.push_back(ToVmText(u"-Djava.library.path=" + settings.libraryPath));
    }
  }
  SetEnvironmentValue(std::u16string(kPathVariable),
                           Expanded(ComposeSearchPath(settings.systemPath, launcher.vmLibraryPath)));
}

bool AssembleVmOptions(Launcher& launcher) {
  std::u16string executablePath;
  if (!ModulePath(executablePath)) return false;
  std::optional<std::u16string> settingsPath = SettingsFilePath(executablePath);
  if (!settingsPath) return false;
  const SettingsReader reader(*settingsPath);
  LauncherSettings& settings = launcher.settings;

  const bool embeddedJar = EqualsIgnoringCase(reader.readValue(u"Application", u"Embedded Jar"), u"Yes");
  const std::u16string classPath = BuildClassPath(SplitText(reader.readValue(u"Class Path", u"Class Path"), u";"),
                                                  executablePath, embeddedJar, FindMatchingNames);
  if (classPath.empty()) {
    ReportError(message::kNoClassPath);
    return false;
  }

  TokenList options{u"-Djava.class.path=" + classPath};
  AppendVmParameters(launcher, reader.readValue(u"Java Runtime Environment", u"Virtual Machine Parameters"), options);
  for (const std::u16string& option : options) launcher.vmOptions.push_back(ToVmText(Expanded(option)));

  settings.outputFile = Expanded(reader.readValue(u"Application", u"Output File"));
  settings.errorFile = Expanded(reader.readValue(u"Application", u"Error File"));
  settings.extraArguments = reader.readValue(u"Application", u"Cmd");
  AppendExtraArguments(launcher);
  return true;
}
