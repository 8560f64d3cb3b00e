// A four-part version "A.B.C.D", each part a decimal number up to 65535, as
// the fixed part of a version resource holds it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "brand/result.h"

using VersionNumber = std::array<std::uint16_t, 4>;

Result<VersionNumber> ParseVersionNumber(std::string_view text);
std::string VersionText(const VersionNumber& version);
