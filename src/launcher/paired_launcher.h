// The paired-launcher road: the chosen runtime needs the other launcher
// executable ("Pair Product"), which is started in place of hosting a VM.
#pragma once

#include "launcher/launcher_settings.h"

// Starts the paired launcher with its own path as its only command line, in
// this process's environment and current directory. With "Pair Return Code"
// on, waits for it and returns its exit code; otherwise returns 0 at once.
// A paired launcher that cannot be started is reported (message 231) and
// gives -1 either way: the application did not run.
int StartPairedLauncher(const LauncherSettings& settings);
