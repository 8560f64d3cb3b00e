/* Machine-dependent JNI types for Windows, as the published JNI interface defines
   them: 32-bit jint, 64-bit jlong, and __stdcall entry points (which only the
   32-bit x86 build distinguishes from the default convention). */
#ifndef _JAVASOFT_JNI_MD_H_
#define _JAVASOFT_JNI_MD_H_

#define JNIEXPORT __declspec(dllexport)
#define JNIIMPORT __declspec(dllimport)
#define JNICALL __stdcall

typedef long jint;
typedef long long jlong;
typedef signed char jbyte;

#endif
