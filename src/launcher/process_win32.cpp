#include <windows.h>

#include "launcher/process.h"
#include "support/wide_win32.h"

TokenList CommandLineArguments() { return ArgumentsOfCommandLine(FromWide(GetCommandLineW())); }

void UseSystemDefaultLocale() { SetThreadLocale(GetSystemDefaultLCID()); }
