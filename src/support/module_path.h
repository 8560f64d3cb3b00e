#pragma once

#include <string>

// The full path of the launcher's own executable. When it cannot be read,
// reports message 202 with text 208 and the platform's error code, and fails.
bool ModulePath(std::u16string& path);
