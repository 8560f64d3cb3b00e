// The Java main thread: creates the VM, redirects output, runs main.
#pragma once

struct Launcher;

// Runs the Java main thread (with mainThreadStackSize, or the VM's default)
// and waits for it: 0 when main was invoked and the thread ended cleanly.
int RunApplication(Launcher& launcher);
