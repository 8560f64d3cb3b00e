// Placeholder until the missing-runtime dialog lands: nobody is asked.
#include "runtime/missing_runtime.h"

bool AskUserForRuntime(const LauncherSettings&, std::u16string&, std::u16string&) { return false; }
