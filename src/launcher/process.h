// What the launcher takes from its own process: the arguments it was started
// with and the locale its text conversions use.
#pragma once

#include <string_view>

#include "support/text.h"

// The arguments after the executable's path, for the Java main method.
TokenList CommandLineArguments();

// The pure part on a platform with one command-line text: trimmed, split with
// double quotes grouping, the first token (the executable's path) dropped.
TokenList ArgumentsOfCommandLine(std::u16string_view commandLine);

// Makes the system's default locale the calling thread's, so that narrow text
// for the VM is converted in the system's code page.
void UseSystemDefaultLocale();
