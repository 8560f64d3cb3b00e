#include "vmhost/vm_library.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

#include "launcher/launcher.h"
#include "support/dynamic_library.h"
#include "support/messages.h"
#include "vmhost/java_strings.h"
#include "vmhost/jdk1_1_init_args.h"
#include "vmhost/output_redirection.h"

namespace {

// Output first, so that a failure there is printed on the console's standard
// error; the launch goes on whatever the redirection achieved.
void RedirectConfiguredStreams(Launcher& launcher) {
  const LauncherSettings& settings = launcher.settings;
  if (!settings.outputFile.empty() && !RedirectStream(launcher.jniEnv, settings.outputFile, JavaStream::Output))
    DescribePendingException(launcher.jniEnv);
  if (!settings.errorFile.empty() && !RedirectStream(launcher.jniEnv, settings.errorFile, JavaStream::Error))
    DescribePendingException(launcher.jniEnv);
}

}  // namespace

bool LoadVmLibrary(Launcher& launcher) {
  int error = 0;
  void* library = LoadDynamicLibrary(launcher.vmLibraryPath, error);
  if (!library) {
    ReportError(message::kVmLibraryNotLoaded, {launcher.vmLibraryPath, error});
    return false;
  }
  launcher.createJavaVm = reinterpret_cast<CreateJavaVmFunction>(FindLibraryExport(library, "JNI_CreateJavaVM", error));
  if (launcher.createJavaVm) {
    launcher.getDefaultInitArgs =
        reinterpret_cast<GetDefaultInitArgsFunction>(FindLibraryExport(library, "JNI_GetDefaultJavaVMInitArgs", error));
  }
  if (!launcher.createJavaVm || !launcher.getDefaultInitArgs) {
    ReportError(message::kWindowsException, {LoadMessage(message::kNoCreateJavaVm), error});
    return false;
  }
  return true;
}

bool CreateVm(Launcher& launcher) {
  std::vector<JavaVMOption> options(launcher.vmOptions.size());
  for (size_t k = 0; k < options.size(); ++k) {
    options[k].optionString = const_cast<char*>(launcher.vmOptions[k].c_str());
    options[k].extraInfo = nullptr;
  }
  JavaVMInitArgs arguments{};
  arguments.version = JNI_VERSION_1_2;
  arguments.nOptions = static_cast<jint>(options.size());
  arguments.options = options.data();
  arguments.ignoreUnrecognized = JNI_FALSE;  // an option the VM does not know fails the creation

  void* env = nullptr;
  jint status = launcher.createJavaVm(&launcher.javaVm, &env, &arguments);
  if (status != JNI_OK) {
    launcher.javaVm = nullptr;
    ReportError(message::kJniException, {LoadMessage(message::kVmNotCreated), JniReasonText(status)});
    return false;
  }
  launcher.jniEnv = static_cast<JNIEnv*>(env);
  RedirectConfiguredStreams(launcher);
  return true;
}

std::uint32_t QueryDefaultJavaStackSize(Launcher& launcher) {
  JDK1_1InitArgs arguments;
  std::memset(&arguments, 0, sizeof arguments);  // padding included: the library sees a clean record
  arguments.version = JNI_VERSION_1_1;
  launcher.getDefaultInitArgs(&arguments);
  return arguments.javaStackSize > 0 ? static_cast<std::uint32_t>(arguments.javaStackSize) : 0;
}

void DestroyVm(Launcher& launcher) {
  if (!launcher.javaVm) return;
  launcher.javaVm->DestroyJavaVM();
  launcher.javaVm = nullptr;
  launcher.jniEnv = nullptr;
}
