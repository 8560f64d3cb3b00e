// The entry points a launcher looks up in the library.
#include <jni.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform.h"
#include "record.h"
#include "vm.h"
#include "vmhost/jdk1_1_init_args.h"

namespace {

jint defaultStackSize() {
  std::string text;
  if (testvm::platform::environment("TESTVM_DEFAULT_STACK_SIZE", text))
    return static_cast<jint>(std::atol(text.c_str()));
  return 1024 * 1024;
}

}  // namespace

extern "C" {

JNIEXPORT jint JNICALL JNI_GetDefaultJavaVMInitArgs(void* args) {
  auto* version = static_cast<jint*>(args);
  char line[48];
  std::snprintf(line, sizeof line, "defaultargs 0x%x", static_cast<unsigned>(*version));
  testvm::record(line);
  // As HotSpot 17: the JDK 1.1 record gets its stack size and version 1.2,
  // but the answer is still JNI_ERR, for 1.1 is not supported.
  jint status = testvm::supportedVersion(*version) ? JNI_OK : JNI_ERR;
  if (*version == JNI_VERSION_1_1) {
    auto* old = static_cast<JDK1_1InitArgs*>(args);
    old->version = JNI_VERSION_1_2;
    old->javaStackSize = defaultStackSize();
  }
  return status;
}

JNIEXPORT jint JNICALL JNI_CreateJavaVM(JavaVM** javaVm, void** env, void* args) {
  return testvm::createVm(*static_cast<JavaVMInitArgs*>(args), javaVm, reinterpret_cast<JNIEnv**>(env));
}

JNIEXPORT jint JNICALL JNI_GetCreatedJavaVMs(JavaVM** buffer, jsize length, jsize* count) {
  JavaVM* running = testvm::runningVm();
  if (count) *count = running ? 1 : 0;
  if (running && length > 0) buffer[0] = running;
  return JNI_OK;
}

}  // extern "C"
