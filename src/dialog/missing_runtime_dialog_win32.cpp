#include "dialog/missing_runtime_dialog_win32.h"

#include <memory>
#include <type_traits>

#include "dialog/dialog_placement.h"
#include "dialog/shell_functions_win32.h"
#include "resources/missing_runtime_dialog.h"
#include "runtime/vm_library_search.h"
#include "support/messages.h"
#include "support/paths.h"
#include "support/wide_win32.h"

namespace {

// The folder browser's new style needs OLE on the calling thread.
class OleApartment {
 public:
  OleApartment() : initialized_(SUCCEEDED(LoadedShellFunctions().oleInitialize(nullptr))) {}
  ~OleApartment() {
    if (initialized_) LoadedShellFunctions().oleUninitialize();
  }
  OleApartment(const OleApartment&) = delete;
  OleApartment& operator=(const OleApartment&) = delete;

 private:
  bool initialized_;
};

using UniqueItemIdList = std::unique_ptr<std::remove_pointer_t<PIDLIST_ABSOLUTE>, decltype(&::CoTaskMemFree)>;

// A service's window station has no screen: a dialog there would wait for
// ever without being seen.
bool HasVisibleDesktop() {
  USEROBJECTFLAGS flags{};
  HWINSTA station = GetProcessWindowStation();
  if (!station || !GetUserObjectInformationW(station, UOI_FLAGS, &flags, sizeof flags, nullptr)) return true;
  return (flags.dwFlags & WSF_VISIBLE) != 0;
}

ScreenRect FromRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

// On the owner, or on the work area when the owner is missing, hidden or
// minimised; never sticking out of the work area.
void Centre(HWND dialog) {
  HWND reference = GetWindow(dialog, GW_OWNER);
  if (reference && (!IsWindowVisible(reference) || IsIconic(reference))) reference = nullptr;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromWindow(reference ? reference : dialog, MONITOR_DEFAULTTOPRIMARY), &monitor)) return;
  RECT dialogRect, referenceRect = monitor.rcWork;
  GetWindowRect(dialog, &dialogRect);
  if (reference) GetWindowRect(reference, &referenceRect);
  ScreenPoint at = CentredPosition(FromRect(dialogRect), FromRect(referenceRect), FromRect(monitor.rcWork));
  SetWindowPos(dialog, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

INT_PTR MissingRuntimeDialog::showModal(HWND owner) {
  if (!HasVisibleDesktop() || !LoadedShellFunctions().complete()) return -1;
  OleApartment ole;
  return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MISSING_RUNTIME), owner, &DialogProc,
                         reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK MissingRuntimeDialog::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    reinterpret_cast<MissingRuntimeDialog*>(lParam)->initialize(dialog);
    return FALSE;  // no default focus
  }
  auto* self = reinterpret_cast<MissingRuntimeDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (!self || message != WM_COMMAND) return FALSE;
  switch (LOWORD(wParam)) {
    case IDOK:
      // Enter sends this even while OK is disabled; without a library there is nothing to return.
      if (!self->chosenVmLibrary_.empty()) EndDialog(dialog, IDOK);
      return TRUE;
    case IDCANCEL:
      EndDialog(dialog, IDCANCEL);
      return TRUE;
    case IDC_BROWSE:
      self->browse(dialog);
      return TRUE;
    default:
      return FALSE;
  }
}

void MissingRuntimeDialog::initialize(HWND dialog) {
  link_.attach(GetDlgItem(dialog, IDC_DOWNLOAD_LINK));
  SetDlgItemTextW(dialog, IDC_MESSAGE, Wide(message_));
  SendDlgItemMessageW(dialog, IDC_ERROR_ICON, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_HAND)), 0);
  EnableWindow(GetDlgItem(dialog, IDOK), FALSE);
  Centre(dialog);
}

void MissingRuntimeDialog::browse(HWND dialog) {
  std::u16string title = LoadMessage(message::kBrowseTitle);
  wchar_t displayName[MAX_PATH];
  BROWSEINFOW request{};
  request.hwndOwner = dialog;
  request.pszDisplayName = displayName;
  request.lpszTitle = Wide(title);
  request.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE | BIF_NONEWFOLDERBUTTON;
  const ShellFunctions& shell = LoadedShellFunctions();
  UniqueItemIdList chosen(shell.browseForFolder(&request), shell.coTaskMemFree);
  if (!chosen) return;
  wchar_t path[MAX_PATH];
  if (!shell.pathFromIdList(chosen.get(), path) || !path[0]) return;

  SetDlgItemTextW(dialog, IDC_JRE_PATH, path);
  folder_ = FromWide(path);
  if (folder_.back() != kPathSeparator) folder_ += kPathSeparator;
  chosenVmLibrary_ = FindVmLibrary(folder_, serverVmMode_).path;
  EnableWindow(GetDlgItem(dialog, IDOK), !chosenVmLibrary_.empty());
}
