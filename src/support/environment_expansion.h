// The expansion of %NAME% references to environment variables in texts that
// the settings give, as Windows' ExpandEnvironmentStrings does it, over any
// source of variables.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

using VariableLookup = std::function<std::optional<std::u16string>(std::u16string_view name)>;

// Every %NAME% reference replaced by the variable's value. A reference to a
// variable that is not set stays as written, both "%" included; a lone "%" is
// an ordinary character.
std::u16string ExpandReferences(std::u16string_view text, const VariableLookup& lookup);
