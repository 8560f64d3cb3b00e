// The tool's command line:
//   launcher-brand [options] INPUT.exe OUTPUT.exe
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "brand/result.h"
#include "brand/version_number.h"

struct BrandingOptions {
  std::string input;
  std::string output;
  std::optional<std::string> iconFile;
  std::optional<VersionNumber> fileVersion;
  std::optional<VersionNumber> productVersion;
  std::map<std::string, std::string> strings;  // the last value given for a name wins
  bool dpiAware = false;
  bool help = false;
};

// The arguments after the program's name, UTF-8. Refuses an unknown option
// or version string, a bad version, a missing value and a count of files
// other than two.
Result<BrandingOptions> ParseCommandLine(const std::vector<std::string>& arguments);

extern const char kUsage[];
