// The expansion of %NAME% references to environment variables in texts that
// the settings give, and the variable that holds the program search path.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#ifdef _WIN32
constexpr std::u16string_view kPathVariable = u"Path";
#else
constexpr std::u16string_view kPathVariable = u"PATH";
#endif

// Replaces every %NAME% reference by the variable's value, in place. A
// reference to a variable that is not set stays as written; a lone "%" is an
// ordinary character. Names are compared as the platform compares them.
void ExpandEnvironment(std::u16string& text);

using VariableLookup = std::function<std::optional<std::u16string>(std::u16string_view name)>;
// The expansion rule of ExpandEnvironment over any source of variables.
std::u16string ExpandReferences(std::u16string_view text, const VariableLookup& lookup);
