// The link colours a user may have set for the browser: "red,green,blue"
// texts stored as registry strings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// A colour as 0x00BBGGRR.
using LinkColor = std::uint32_t;

// Three decimal numbers separated by commas, each read as the C library's
// _wtoi reads one; only the low 8 bits of each count. Invalid when red or
// green lacks its comma or reads as -1, or when nothing follows the second comma.
std::optional<LinkColor> ParseLinkColor(std::u16string_view text);

// Where a colour value is read into, in characters with the terminator.
constexpr std::size_t kLinkColorValueCapacity = 12;

// A colour from a registry value as read into that buffer: the value must be a
// string whose data fit the buffer, have an even size and end with a zero
// character; else it is ignored.
std::optional<LinkColor> LinkColorFromRegistryValue(bool isStringType, const char16_t* data, std::size_t byteCount);
