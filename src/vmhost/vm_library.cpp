#include "vmhost/vm_library.h"

#include <cstring>

#include "support/files.h"
#include "support/messages.h"
#include "support/os.h"
#include "support/trace.h"
#include "vmhost/jdk1_1_init_args.h"
#include "vmhost/vm_environment.h"

std::optional<VmFunctions> LoadVmLibrary(const std::u16string& path) {
  int error = 0;
  for (const std::u16string& runtimeLibrary : RuntimeCLibraries(path)) {
    if (!PathExists(runtimeLibrary)) continue;
    const bool loaded = LoadDynamicLibrary(runtimeLibrary, error) != nullptr;
    Trace([&] { return u"runtime library " + runtimeLibrary + (loaded ? u" loaded" : u" not loaded"); });
  }
  void* library = LoadDynamicLibrary(path, error);
  if (!library) {
    ReportError(message::kVmLibraryNotLoaded, {path, error});
    return std::nullopt;
  }
  VmFunctions functions;
  functions.createJavaVm =
      reinterpret_cast<CreateJavaVmFunction>(FindLibraryExport(library, "JNI_CreateJavaVM", error));
  if (functions.createJavaVm) {
    functions.getDefaultInitArgs =
        reinterpret_cast<GetDefaultInitArgsFunction>(FindLibraryExport(library, "JNI_GetDefaultJavaVMInitArgs", error));
  }
  if (!functions.createJavaVm || !functions.getDefaultInitArgs) {
    ReportError(message::kWindowsException, {LoadMessage(message::kNoCreateJavaVm), error});
    return std::nullopt;
  }
  return functions;
}

std::uint32_t QueryDefaultJavaStackSize(const VmFunctions& functions) {
  JDK1_1InitArgs arguments;
  std::memset(&arguments, 0, sizeof arguments);  // padding included: the library sees a clean record
  arguments.version = JNI_VERSION_1_1;
  functions.getDefaultInitArgs(&arguments);
  return arguments.javaStackSize > 0 ? static_cast<std::uint32_t>(arguments.javaStackSize) : 0;
}

jint JavaVm::create(const VmFunctions& functions, const TokenList& options, void(JNICALL* exitHook)(jint),
                    JNIEnv*& env) {
  options_.clear();
  for (const std::u16string& option : options) options_.push_back(ToVmText(option));
  std::vector<JavaVMOption> records(options_.size());
  for (size_t k = 0; k < records.size(); ++k) {
    records[k].optionString = options_[k].data();
    records[k].extraInfo = nullptr;
  }
  // The JNI way to hook the VM's end: an "exit" option whose extra information is the hook.
  static char exitOption[] = "exit";
  if (exitHook) records.push_back({exitOption, reinterpret_cast<void*>(exitHook)});
  JavaVMInitArgs arguments{};
  arguments.version = JNI_VERSION_1_2;
  arguments.nOptions = static_cast<jint>(records.size());
  arguments.options = records.data();
  arguments.ignoreUnrecognized = JNI_FALSE;

  void* created = nullptr;
  JavaVM* vm = nullptr;
  const jint status = functions.createJavaVm(&vm, &created, &arguments);
  if (status != JNI_OK) return status;
  vm_ = vm;
  env = static_cast<JNIEnv*>(created);
  return status;
}

jint JavaVm::destroy() {
  if (!vm_) return JNI_OK;
  const jint status = vm_->DestroyJavaVM();
  vm_ = nullptr;
  return status;
}
