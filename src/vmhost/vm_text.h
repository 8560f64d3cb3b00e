// The narrow form of texts handed to the VM as C strings (its options):
// the calling thread's ANSI code page on Windows, UTF-8 elsewhere.
#pragma once

#include <string>
#include <string_view>

// Characters the encoding lacks become its default character.
std::string ToVmText(std::u16string_view text);
