// The classes of the Java platform that a launcher uses, built into the VM.
#pragma once

namespace testvm {

struct Vm;

// Defines the built-in classes and the standard System.out and System.err.
void defineBuiltins(Vm& vm);

}  // namespace testvm
