// A later start's arguments on their way to the first instance: the encoded
// list, which the POSIX socket carries as it is, and the argument area of the
// Windows block that carries it or says where it is. The area's first four
// bytes (little-endian) are the list's size; a list that fits follows them,
// else the zero-terminated UTF-8 name of a mapping that the later start made
// for this request alone and that holds the list from its first byte.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

constexpr std::size_t kArgumentAreaSize = 1040;
constexpr std::size_t kListSizeField = 4;
constexpr std::size_t kAreaListCapacity = kArgumentAreaSize - kListSizeField;

// Each argument in UTF-8 (a lone surrogate in its three-byte form) followed
// by a zero byte, so that every argument arrives as it was, empty ones too.
std::string EncodeArguments(const std::vector<std::u16string>& arguments);
// A last argument without its zero byte is dropped.
std::vector<std::u16string> DecodeArguments(std::string_view list);

// Fills the area (kArgumentAreaSize bytes) with a list of at most
// kAreaListCapacity bytes.
void WriteListToArea(std::string_view list, unsigned char* area);
// Fills the area with the size of a longer list and the name of the mapping
// that holds it; false, the area untouched, when the name does not fit.
bool WriteListPlaceToArea(std::size_t listSize, std::u16string_view mappingName, unsigned char* area);

// What an area says, whoever filled it: the list itself, when its size fits
// the area, or the list's size and the name of its mapping (up to the first
// zero byte or the area's end).
struct AreaContent {
  std::size_t listSize = 0;
  bool listIsHere = false;
  std::string list;
  std::u16string mappingName;
};
AreaContent ReadArea(const unsigned char* area);
