// The version resource (VS_VERSIONINFO) that Explorer's properties show: the
// fixed versions and one table of strings, in US English and UTF-16.
#pragma once

#include <map>
#include <string>

#include "brand/little_endian.h"
#include "brand/resource_tree.h"
#include "brand/result.h"
#include "brand/version_number.h"

struct VersionInfo {
  VersionNumber fileVersion{};
  VersionNumber productVersion{};
  // Name ("CompanyName", "FileVersion", ...) to value, both UTF-8.
  std::map<std::string, std::string> strings;
};

// The string table's language and code page: US English, UTF-16.
constexpr std::uint16_t kVersionLanguage = kUsEnglish;
constexpr std::uint16_t kVersionCodePage = 1200;

// Refuses strings too long for the resource's 16-bit lengths.
Result<Bytes> VersionResource(const VersionInfo& info);
