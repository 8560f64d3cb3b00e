/* A VM library that needs the runtime's own C runtime library, as a real
   one does: its creation writes which copy it was bound to into the file
   TESTVM_LOG names, then fails, so that the launch ends at once. */
#include <stdio.h>
#include <stdlib.h>
#include <windows.h>

__declspec(dllimport) const char* RuntimeLibraryCopy(void);

__declspec(dllexport) int JNI_GetDefaultJavaVMInitArgs(void* arguments) {
  (void)arguments;
  return 0;
}

__declspec(dllexport) int JNI_CreateJavaVM(void** vm, void** env, void* arguments) {
  (void)vm;
  (void)env;
  (void)arguments;
  const char* log = getenv("TESTVM_LOG");
  FILE* file = log ? fopen(log, "a") : NULL;
  if (file) {
    fprintf(file, "runtime library %s\n", RuntimeLibraryCopy());
    fclose(file);
  }
  return -1;
}
