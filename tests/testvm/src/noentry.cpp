// A library that looks like a VM but lacks JNI_GetDefaultJavaVMInitArgs, for
// the launcher's test of a library without the entry points it needs.
#include <jni.h>

extern "C" JNIEXPORT jint JNICALL JNI_CreateJavaVM(JavaVM** javaVm, void** env, void*) {
  *javaVm = nullptr;
  *env = nullptr;
  return JNI_ERR;
}
