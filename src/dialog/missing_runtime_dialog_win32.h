// The modal dialog that tells the user which runtime is required, links to
// the download page, and lets the user browse for an installed runtime folder.
#pragma once

#include <windows.h>

#include <string>

#include "dialog/hyperlink_control_win32.h"
#include "settings/launcher_settings.h"

class MissingRuntimeDialog {
 public:
  MissingRuntimeDialog(std::u16string message, ServerVmMode serverVmMode)
      : serverVmMode_(serverVmMode), message_(std::move(message)) {}

  // IDOK when the user chose a folder with a VM library, IDCANCEL when the
  // user cancelled; anything else when the dialog could not be shown.
  INT_PTR showModal(HWND owner);

  // The chosen folder, ending in the path separator, and its VM library.
  const std::u16string& folder() const { return folder_; }
  const std::u16string& chosenVmLibrary() const { return chosenVmLibrary_; }

 private:
  static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  void initialize(HWND dialog);
  void browse(HWND dialog);

  ServerVmMode serverVmMode_;
  std::u16string message_;
  std::u16string folder_;
  std::u16string chosenVmLibrary_;
  HyperlinkControl link_;
};
