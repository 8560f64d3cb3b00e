// Loading a shared library for good (it is never unloaded) and finding its
// exports. Failures give the platform's error code.
#pragma once

#include <string>

// Null on failure, with the error code in error.
void* LoadDynamicLibrary(const std::u16string& path, int& error);
// Null when the library has no such export, with the error code in error.
void* FindLibraryExport(void* library, const char* name, int& error);
