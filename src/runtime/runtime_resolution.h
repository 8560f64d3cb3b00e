// The launcher's initialisation: arguments, settings, single-instance role,
// working directory, and the VM library to load.
#pragma once

struct Launcher;

// True when vmLibraryPath names a VM library (and runPairedLauncher is
// decided), or when a running first instance took this start over. False when
// the settings cannot be loaded, a second instance cannot hand its arguments
// over, or no runtime was found and the user chose none; the failing step has
// reported it.
bool ResolveRuntime(Launcher& launcher);
