// The VM library and the VM as a whole: load the library, create the VM,
// ask for its default stack size, destroy it at teardown.
#pragma once

#include <cstdint>

struct Launcher;

// Loads vmLibraryPath for good and resolves JNI_CreateJavaVM and
// JNI_GetDefaultJavaVMInitArgs; reports 222 or 202 with 212 on failure.
bool LoadVmLibrary(Launcher& launcher);

// Creates the VM with vmOptions on the calling thread, which becomes the Java
// main thread, then redirects System.out and System.err when configured.
// Reports 203 with the reason when creation fails.
bool CreateVm(Launcher& launcher);

// The VM library's default Java thread stack size in bytes; 0 when it has none.
std::uint32_t QueryDefaultJavaStackSize(Launcher& launcher);

// Destroys the VM when one exists; returns when the program's last
// non-daemon thread has ended.
void DestroyVm(Launcher& launcher);
