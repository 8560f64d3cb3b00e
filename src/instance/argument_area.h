// The argument area of the single-instance block: a second instance's
// arguments, each stored as UTF-8 bytes and a zero byte, the list ended by one
// more zero byte, the rest of the area zero. ASCII arguments are stored byte
// for byte; UTF-8 keeps every other character intact on the way.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

constexpr std::size_t kArgumentAreaSize = 1040;

// Fills area (kArgumentAreaSize bytes) when the arguments fit: the sum of each
// argument's stored length plus one, plus one, is at most the area's size.
// Leaves the area untouched and fails otherwise.
bool WriteArguments(const std::vector<std::u16string>& arguments, unsigned char* area);

// Reads the arguments back. An empty argument ends the list unless it is the
// first; a list that is not ended within the area drops its last argument.
std::vector<std::u16string> ReadArguments(const unsigned char* area);
