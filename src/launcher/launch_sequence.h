// The launch from start to exit code: initialisation, one of three roads,
// teardown.
#pragma once

struct Launcher;

// The whole launch, as the entry point runs it; returns the exit code.
int Launch();

// The run stage: the paired launcher, a second instance's wait for its reply,
// or the VM hosted in this process. 0 or the road's own code on success, -1
// on failure. Also run by the service main function.
int Run(Launcher& launcher);
