// The library as a launcher first meets it: loaded in this process, looked
// up by name, asked for its defaults. No VM is created here.
#include <jni.h>

#include "harness.h"

namespace {

using GetDefaultJavaVMInitArgs = jint(JNICALL*)(void*);
using GetCreatedJavaVMs = jint(JNICALL*)(JavaVM**, jsize, jsize*);

// The head of the JDK 1.1 record, as far as the VM writes it.
struct Jdk11InitArgs {
  jint version;
  char** properties;
  jint checkSource;
  jint nativeStackSize;
  jint javaStackSize;
  jint rest[32];
};

class EntryPoints : public ::testing::Test {
 protected:
  static void* load(const char* name) {
    void* library = harness::openLibrary(harness::programFolder() + "/" + name);
    EXPECT_NE(library, nullptr) << name;
    return library;
  }

  static Jdk11InitArgs jdk11Defaults(jint& status) {
    auto defaults = reinterpret_cast<GetDefaultJavaVMInitArgs>(
        harness::entryPoint(load(harness::vmLibrary), "JNI_GetDefaultJavaVMInitArgs"));
    Jdk11InitArgs args{};
    args.version = JNI_VERSION_1_1;
    status = defaults(&args);
    return args;
  }
};

TEST_F(EntryPoints, VmLibraryExportsThePlainNames) {
  void* library = load(harness::vmLibrary);
  EXPECT_NE(harness::entryPoint(library, "JNI_CreateJavaVM"), nullptr);
  EXPECT_NE(harness::entryPoint(library, "JNI_GetDefaultJavaVMInitArgs"), nullptr);
  EXPECT_NE(harness::entryPoint(library, "JNI_GetCreatedJavaVMs"), nullptr);
}

TEST_F(EntryPoints, NoEntryLibraryLacksTheDefaults) {
  void* library = load(harness::noEntryLibrary);
  EXPECT_NE(harness::entryPoint(library, "JNI_CreateJavaVM"), nullptr);
  EXPECT_EQ(harness::entryPoint(library, "JNI_GetDefaultJavaVMInitArgs"), nullptr);
}

TEST_F(EntryPoints, Jdk11RecordGetsTheDefaultStackSizeAsHotSpotGivesIt) {
  jint status = JNI_OK;
  Jdk11InitArgs args = jdk11Defaults(status);
  // HotSpot fills the record in, yet answers JNI_ERR since 1.1 is unsupported.
  EXPECT_EQ(status, JNI_ERR);
  EXPECT_EQ(args.version, JNI_VERSION_1_2);
  EXPECT_EQ(args.javaStackSize, 1048576);
}

TEST_F(EntryPoints, DefaultStackSizeComesFromTheEnvironmentWhenSet) {
  harness::setEnvironment("TESTVM_DEFAULT_STACK_SIZE", "262144");
  jint status = JNI_OK;
  Jdk11InitArgs args = jdk11Defaults(status);
  harness::unsetEnvironment("TESTVM_DEFAULT_STACK_SIZE");
  EXPECT_EQ(args.javaStackSize, 262144);
}

TEST_F(EntryPoints, DefaultArgsAcceptOnlyTheVersionsHotSpot17Knows) {
  auto defaults = reinterpret_cast<GetDefaultJavaVMInitArgs>(
      harness::entryPoint(load(harness::vmLibrary), "JNI_GetDefaultJavaVMInitArgs"));
  for (jint version :
       {JNI_VERSION_1_2, JNI_VERSION_1_4, JNI_VERSION_1_6, JNI_VERSION_1_8, JNI_VERSION_9, JNI_VERSION_10}) {
    JavaVMInitArgs args{};
    args.version = version;
    EXPECT_EQ(defaults(&args), JNI_OK) << std::hex << version;
  }
  for (jint version : {0x10003, 0x130000, 0x12345, 0}) {
    JavaVMInitArgs args{};
    args.version = version;
    EXPECT_EQ(defaults(&args), JNI_ERR) << std::hex << version;
  }
}

TEST_F(EntryPoints, NoVmIsReportedBeforeCreation) {
  auto created =
      reinterpret_cast<GetCreatedJavaVMs>(harness::entryPoint(load(harness::vmLibrary), "JNI_GetCreatedJavaVMs"));
  JavaVM* vms[1] = {nullptr};
  jsize count = -1;
  EXPECT_EQ(created(vms, 1, &count), JNI_OK);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(vms[0], nullptr);
}

}  // namespace
