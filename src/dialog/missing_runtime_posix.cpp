#include "dialog/missing_runtime.h"

#include "dialog/missing_runtime_message.h"

// There is no dialog here: the user reads what is required on standard output.
bool AskUserForRuntime(const LauncherSettings& settings, std::u16string&, std::u16string&) {
  ReportMissingRuntime(MissingRuntimeMessage(settings));
  return false;
}
