// Conversions between the encodings Java strings meet at the JNI boundary.
#pragma once

#include <string>

namespace testvm {

// Decodes "modified UTF-8" exactly as HotSpot does, lenient with malformed bytes.
std::u16string fromModifiedUtf8(const char* text);
std::string toModifiedUtf8(const std::u16string& text);

std::u16string fromUtf8(const std::string& text);
// Unpaired surrogates become '?', as Java's UTF-8 encoder writes them.
std::string toUtf8(const std::u16string& text);

// Printable ASCII stays, everything else becomes \uXXXX, so that blank and
// non-ASCII values read the same in every encoding.
std::string escape(const std::u16string& text);

// "a/b/C" -> "a.b.C"
std::string dotted(std::string name);

}  // namespace testvm
