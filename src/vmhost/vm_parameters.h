// The rules that turn "Virtual Machine Parameters" into VM options: splitting
// at blanks outside double quotes, quote removal, memory sizes relative to the
// machine's memory, and the Java main thread's stack size.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "support/os.h"
#include "support/text.h"

// Tokens separated by blanks (the space character only) that stand outside
// double quotes; runs of blanks, leading ones included, give no empty token.
TokenList SplitVmParameters(std::u16string_view value);

// Removes quote pairs left to right; a doubled quote right after a closing
// quote leaves one quote character, and an unmatched quote stays.
std::u16string StripQuotes(std::u16string_view token);

// Whether ExpandMemoryOption rewrites the token: "-Xms", "-Xmx" or "-Xss"
// (case-sensitive) and a last character "P", "p" (of physical memory) or "T",
// "t" (of the free address space).
bool IsRelativeMemoryOption(std::u16string_view token);

// A 32-bit build computes sizes in 32 bits, a 64-bit build in 64: machines
// with terabytes of address space need the wider figures.
enum class MemoryArithmetic { Bits32, Bits64 };
constexpr MemoryArithmetic kNativeMemoryArithmetic =
    sizeof(void*) == 8 ? MemoryArithmetic::Bits64 : MemoryArithmetic::Bits32;

// prefix + percent[:minimum[:maximum]] + suffix becomes prefix + size + "K":
// the percentage of the base the suffix names, in kilobytes, capped at the
// maximum and then raised to the minimum (both in megabytes).
std::u16string ExpandMemoryOption(std::u16string_view token, const MemoryStatus& memory,
                                  MemoryArithmetic arithmetic = kNativeMemoryArithmetic);

// The byte count of the text after "-Xss": one number, optionally followed
// by "K", "M" or "G" in either case; 0 when the text is not of that form.
std::uint32_t ParseStackSize(std::u16string_view text);
