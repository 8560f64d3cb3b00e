// Splitting, trimming and encoding of UTF-16 text. Everything here works on
// code units and touches no operating-system service.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using TokenList = std::vector<std::u16string>;

// Cuts text at every occurrence of separator (which must not be empty). A
// separator at the start or two in a row give empty tokens; one at the very
// end gives no empty last token.
TokenList SplitText(std::u16string_view text, std::u16string_view separator);

// Appends the blank-separated tokens of a command line to tokens; a double
// quote at the start of a token groups up to the next double quote.
void SplitCommandLine(std::u16string_view text, TokenList& tokens);

// The program's arguments on a platform with one command-line text: trimmed,
// split with double quotes grouping, the first token (the executable's path)
// dropped.
TokenList ArgumentsOfCommandLine(std::u16string_view commandLine);

// The text without leading and trailing white space (IsWhiteSpace).
std::u16string TrimWhiteSpace(std::u16string_view text);

// White space as Windows classifies single UTF-16 code units, so that both
// builds trim alike.
bool IsWhiteSpace(char16_t c);

bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b);

// UTF-8, but that a lone surrogate travels in its three-byte form (as in
// WTF-8): every UTF-16 text, even one Windows would accept as an argument or
// a file name, comes back unchanged from FromUtf8(ToUtf8(text)).
std::string ToUtf8(std::u16string_view text);
// Malformed sequences become U+FFFD; encoded surrogates are read as units.
std::u16string FromUtf8(std::string_view text);

// A 64-bit FNV-1a hash of bytes, and its 16 lower-case hexadecimal digits:
// short, stable names for long texts.
std::uint64_t Fnv1a(std::string_view bytes);
std::u16string HashText(std::string_view bytes);

// For literals and ASCII-only values such as numbers.
std::u16string FromAscii(std::string_view text);
// Decimal digits, without the C library's formatting (which a static Windows
// image would carry whole).
std::u16string ToDecimal(long long value);
std::u16string UnsignedDecimal(unsigned long long value);
