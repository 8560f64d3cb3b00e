#include "brand/version_number.h"

namespace {

constexpr std::uint32_t kLargestPart = 65535;

}  // namespace

Result<VersionNumber> ParseVersionNumber(std::string_view text) {
  const Failure refused{"not a version of four numbers up to 65535 (A.B.C.D): \"" + std::string(text) + "\""};
  VersionNumber version{};
  std::size_t position = 0;
  for (std::size_t part = 0; part < version.size(); ++part) {
    if (part > 0 && (position == text.size() || text[position++] != '.')) return refused;
    const std::size_t start = position;
    std::uint32_t value = 0;
    for (; position < text.size() && text[position] >= '0' && text[position] <= '9'; ++position) {
      value = value * 10 + static_cast<std::uint32_t>(text[position] - '0');
      if (value > kLargestPart) return refused;
    }
    if (position == start) return refused;
    version[part] = static_cast<std::uint16_t>(value);
  }
  if (position != text.size()) return refused;
  return version;
}

std::string VersionText(const VersionNumber& version) {
  return std::to_string(version[0]) + "." + std::to_string(version[1]) + "." + std::to_string(version[2]) + "." +
         std::to_string(version[3]);
}
