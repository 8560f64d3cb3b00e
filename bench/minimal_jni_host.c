/* The floor for start-up cost: create the VM with a class path, call main,
   destroy the VM. Nothing else. Usage: minimal_jni_host <libjvm.so> <class path> <main class> */
#include <dlfcn.h>
#include <jni.h>
#include <stdio.h>
#include <string.h>

typedef jint(JNICALL *CreateJavaVm)(JavaVM **, void **, void *);

int main(int argc, char **argv) {
  if (argc != 4) return 2;
  void *library = dlopen(argv[1], RTLD_NOW | RTLD_GLOBAL);
  if (!library) return 3;
  CreateJavaVm create = (CreateJavaVm)dlsym(library, "JNI_CreateJavaVM");
  char classPath[4096];
  snprintf(classPath, sizeof classPath, "-Djava.class.path=%s", argv[2]);
  JavaVMOption option = {classPath, NULL};
  JavaVMInitArgs args = {JNI_VERSION_1_2, 1, &option, JNI_FALSE};
  JavaVM *vm;
  JNIEnv *env;
  if (!create || create(&vm, (void **)&env, &args) != JNI_OK) return 4;
  jclass mainClass = (*env)->FindClass(env, argv[3]);
  jmethodID main = mainClass ? (*env)->GetStaticMethodID(env, mainClass, "main", "([Ljava/lang/String;)V") : NULL;
  jclass stringClass = (*env)->FindClass(env, "java/lang/String");
  jobjectArray noArguments = (*env)->NewObjectArray(env, 0, stringClass, NULL);
  if (!main || !noArguments) return 5;
  (*env)->CallStaticVoidMethod(env, mainClass, main, noArguments);
  (*vm)->DetachCurrentThread(vm);
  (*vm)->DestroyJavaVM(vm);
  return 0;
}
