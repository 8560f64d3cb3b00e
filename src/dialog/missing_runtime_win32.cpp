#include "dialog/missing_runtime.h"

#include "dialog/missing_runtime_dialog_win32.h"
#include "dialog/missing_runtime_message.h"

bool AskUserForRuntime(const LauncherSettings& settings, std::u16string& folder, std::u16string& vmLibrary) {
  std::u16string message = MissingRuntimeMessage(settings);
  MissingRuntimeDialog dialog(message, settings.serverVmMode);
  INT_PTR result = dialog.showModal(GetActiveWindow());
  if (result == IDOK) {
    folder = dialog.folder();
    vmLibrary = dialog.chosenVmLibrary();
    return true;
  }
  // Without a desktop the user would learn nothing from a dialog that never appeared.
  if (result != IDCANCEL) ReportMissingRuntime(message);
  return false;
}
