// The JNIEnv function table: what the VM implements, and traps elsewhere.
#include "interfaces.h"

namespace testvm {

const JNINativeInterface_* jniFunctions() {
  static const JNINativeInterface_ table = [] {
    JNINativeInterface_ functions;
    fillWithTraps(functions);
    addCallFunctions(functions);
    addDataFunctions(functions);
    addExceptionFunctions(functions);
    return functions;
  }();
  return &table;
}

}  // namespace testvm
