// The process's environment variables and the expansion of %NAME% references
// in texts that the settings give.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The variable that holds the program search path.
#ifdef _WIN32
constexpr std::u16string_view kPathVariable = u"Path";
#else
constexpr std::u16string_view kPathVariable = u"PATH";
#endif

// Nothing when the variable is not set.
std::optional<std::u16string> ReadEnvironmentVariable(const std::u16string& name);
// Sets the variable for this process and the processes it starts; false on failure.
bool WriteEnvironmentVariable(const std::u16string& name, const std::u16string& value);

// Replaces every %NAME% reference by the variable's value, in place. A
// reference to a variable that is not set stays as written; a lone "%" is an
// ordinary character. Names are compared as the platform compares them.
void ExpandEnvironment(std::u16string& text);

using VariableLookup = std::function<std::optional<std::u16string>(std::u16string_view name)>;
// The expansion rule of ExpandEnvironment over any source of variables.
std::u16string ExpandReferences(std::u16string_view text, const VariableLookup& lookup);
