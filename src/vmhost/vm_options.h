// Everything the VM is given besides its library: the environment it starts
// in and the option list.
#pragma once

struct Launcher;

// Publishes the chosen runtime (ZQ_JVM_PATH, ZQ_JVM_HOME), composes the
// library-path option from "Library Path" and puts "System Path" and the
// runtime's bin folder in front of the process's Path.
void PrepareVmEnvironment(Launcher& launcher);

// Builds the class-path option and the "Virtual Machine Parameters" options,
// reads "Output File", "Error File" and "Cmd". Reports 209 and fails when the
// class path comes out empty.
bool AssembleVmOptions(Launcher& launcher);
