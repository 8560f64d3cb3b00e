#include "brand/command_line.h"

#include <algorithm>
#include <iterator>

const char kUsage[] =
    "usage: launcher-brand [options] INPUT.exe OUTPUT.exe\n"
    "  --icon FILE.ico              the executable's icon: every image of the .ico file\n"
    "  --file-version A.B.C.D       the fixed file version (and the FileVersion string)\n"
    "  --product-version A.B.C.D    the fixed product version (and the ProductVersion string)\n"
    "  --string NAME=VALUE          a version string: CompanyName, ProductName,\n"
    "                               FileDescription, LegalCopyright, OriginalFilename,\n"
    "                               InternalName, Comments (any may repeat; the last wins)\n"
    "  --dpi-aware                  the manifest declares per-monitor DPI awareness\n";

namespace {

constexpr const char* kStringNames[] = {"CompanyName",      "ProductName",  "FileDescription", "LegalCopyright",
                                        "OriginalFilename", "InternalName", "Comments"};

std::optional<Failure> AddString(BrandingOptions& options, const std::string& assignment) {
  const std::size_t equals = assignment.find('=');
  const std::string name = assignment.substr(0, equals);
  if (equals == std::string::npos) return Failure{"--string takes NAME=VALUE, not \"" + assignment + "\""};
  if (std::find(std::begin(kStringNames), std::end(kStringNames), name) == std::end(kStringNames))
    return Failure{"unknown version string \"" + name +
                   "\" (CompanyName, ProductName, FileDescription, LegalCopyright, OriginalFilename, InternalName "
                   "or Comments)"};
  options.strings[name] = assignment.substr(equals + 1);
  return std::nullopt;
}

std::optional<Failure> SetVersion(std::optional<VersionNumber>& version, const std::string& option,
                                  const std::string& text) {
  Result<VersionNumber> parsed = ParseVersionNumber(text);
  if (!parsed.ok()) return Failure{option + ": " + parsed.error()};
  version = parsed.value();
  return std::nullopt;
}

}  // namespace

Result<BrandingOptions> ParseCommandLine(const std::vector<std::string>& arguments) {
  BrandingOptions options;
  std::vector<std::string> files;
  for (std::size_t k = 0; k < arguments.size(); ++k) {
    const std::string& argument = arguments[k];
    if (argument == "--help") {
      options.help = true;
      return options;
    }
    if (argument == "--dpi-aware") {
      options.dpiAware = true;
      continue;
    }
    if (argument.empty() || argument[0] != '-') {
      files.push_back(argument);
      continue;
    }
    const bool takesValue = argument == "--icon" || argument == "--file-version" || argument == "--product-version" ||
                            argument == "--string";
    if (!takesValue) return Failure{"unknown option " + argument};
    if (k + 1 == arguments.size()) return Failure{argument + " needs a value"};
    const std::string& value = arguments[++k];
    std::optional<Failure> refused;
    if (argument == "--icon")
      options.iconFile = value;
    else if (argument == "--file-version")
      refused = SetVersion(options.fileVersion, argument, value);
    else if (argument == "--product-version")
      refused = SetVersion(options.productVersion, argument, value);
    else
      refused = AddString(options, value);
    if (refused) return *refused;
  }
  if (files.size() != 2) return Failure{"give INPUT.exe and OUTPUT.exe"};
  options.input = files[0];
  options.output = files[1];
  return options;
}
