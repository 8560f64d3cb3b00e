#include "vmhost/vm_library.h"

#include "launcher/launcher.h"
#include "support/dynamic_library.h"
#include "support/messages.h"

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
