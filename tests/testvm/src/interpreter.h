// Runs the methods of script classes.
#pragma once

#include <jni.h>

#include "objects.h"

namespace testvm {

struct ScriptMethod;

// `args` holds the String[] for methods that take one. A throw leaves the
// exception pending on the calling thread.
Result runScript(Class& owner, const ScriptMethod& method, const jvalue* args);

}  // namespace testvm
