// The function tables handed to the launcher.
#pragma once

#include <jni.h>

namespace testvm {

const JNINativeInterface_* jniFunctions();
const JNIInvokeInterface_* invokeFunctions();
// Fills every slot of `table` with a function that reports the slot and aborts.
void fillWithTraps(JNINativeInterface_& table);
// Put the implemented functions in their slots.
void addCallFunctions(JNINativeInterface_& table);
void addDataFunctions(JNINativeInterface_& table);
void addExceptionFunctions(JNINativeInterface_& table);

}  // namespace testvm
