// The shell, OLE and common-control functions that only the missing-runtime
// dialog and its link need. They are looked up when first wanted: linking
// them would load their libraries at every start of the launcher, and most
// launches never show the dialog.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>
#include <shlobj.h>

struct ShellFunctions {
  decltype(&::InitCommonControlsEx) initCommonControlsEx = nullptr;
  decltype(&::OleInitialize) oleInitialize = nullptr;
  decltype(&::OleUninitialize) oleUninitialize = nullptr;
  decltype(&::CoTaskMemFree) coTaskMemFree = nullptr;
  decltype(&::SHBrowseForFolderW) browseForFolder = nullptr;
  decltype(&::SHGetPathFromIDListW) pathFromIdList = nullptr;
  decltype(&::ShellExecuteW) shellExecute = nullptr;

  bool complete() const {
    return initCommonControlsEx && oleInitialize && oleUninitialize && coTaskMemFree && browseForFolder &&
           pathFromIdList && shellExecute;
  }
};

// Looked up once; the libraries stay loaded. A function that cannot be found is null.
const ShellFunctions& LoadedShellFunctions();
