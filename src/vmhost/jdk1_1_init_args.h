// The initialisation record of JNI 1.1. JNI_GetDefaultJavaVMInitArgs still
// fills its javaStackSize with the default Java thread stack size when asked
// with version 1.1. Laid out as the published JNI interface gives it (72 bytes
// on 32-bit Windows).
#pragma once

#include <jni.h>

#include <cstdarg>
#include <cstdio>

struct JDK1_1InitArgs {
  jint version;
  char** properties;
  jint checkSource;
  jint nativeStackSize;
  jint javaStackSize;
  jint minHeapSize;
  jint maxHeapSize;
  jint verifyMode;
  char* classpath;
  jint(JNICALL* vfprintf)(FILE* stream, const char* format, va_list arguments);
  void(JNICALL* exit)(jint code);
  void(JNICALL* abort)();
  jint enableClassGC;
  jint enableVerboseGC;
  jint disableAsyncGC;
  jint verbose;
  jboolean debugging;
  jint debugPort;
};
static_assert(sizeof(void*) != 4 || sizeof(JDK1_1InitArgs) == 72, "the JNI 1.1 record of 32-bit Windows");
