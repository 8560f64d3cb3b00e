// Single-instance mode: a second start of the same executable hands its
// arguments to the running first instance and ends with its reply.
#pragma once

struct Launcher;

// Sets the mode up after the settings are loaded; a second instance hands its
// arguments over here. False when that hand-over failed.
bool SetUpSingleInstance(Launcher& launcher);

// Whether the mode is on and another instance took this start over.
bool IsSecondInstance(const Launcher& launcher);

// The second instance's exit code: the first instance's reply.
int WaitForReply(Launcher& launcher);

// Closes the channel between instances; called after the VM is destroyed.
void TearDownSingleInstance(Launcher& launcher);
