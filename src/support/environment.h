// The process's environment: its variables and its current directory.
#pragma once

#include <optional>
#include <string>

// The variable's whole value, however long; nothing when it is not set.
std::optional<std::u16string> GetEnvironmentValue(const std::u16string& name);

// Sets the variable for this process and the processes it starts.
bool SetEnvironmentValue(const std::u16string& name, const std::u16string& value);

bool SetCurrentFolder(const std::u16string& folder);
