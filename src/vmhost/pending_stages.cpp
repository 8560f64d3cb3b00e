// Placeholders for the VM-hosting stages while they are being built: they
// keep the launch sequence linkable and end the run stage with failure.
#include "launcher/launcher.h"
#include "vmhost/java_main_thread.h"
#include "vmhost/vm_library.h"
#include "vmhost/vm_options.h"

void PrepareVmEnvironment(Launcher&) {}
bool AssembleVmOptions(Launcher&) { return false; }
bool CreateVm(Launcher&) { return false; }
std::uint32_t QueryDefaultJavaStackSize(Launcher&) { return 0; }
void DestroyVm(Launcher&) {}
int RunApplication(Launcher&) { return 1; }
