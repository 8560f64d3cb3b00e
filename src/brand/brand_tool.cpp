#include "brand/brand_tool.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "brand/branding.h"
#include "brand/command_line.h"

namespace fs = std::filesystem;

namespace {

fs::path PathOf(const std::string& utf8) { return fs::u8path(utf8); }

Result<Bytes> ReadFile(const std::string& path) {
  std::ifstream file(PathOf(path), std::ios::binary);
  if (!file) return Failure{path + ": cannot be read"};
  Bytes bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) return Failure{path + ": cannot be read"};
  return bytes;
}

std::optional<Failure> WriteFileWhole(const std::string& path, const Bytes& bytes) {
  const fs::path target = PathOf(path);
  fs::path partial = target;
  partial += "." + std::to_string(std::random_device()()) + ".partial";
  {
    std::ofstream file(partial, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
      std::error_code ignored;
      fs::remove(partial, ignored);
      return Failure{path + ": cannot be written"};
    }
  }
  std::error_code error;
  fs::rename(partial, target, error);
  if (error) {
    fs::remove(partial, error);
    return Failure{path + ": cannot be written"};
  }
  return std::nullopt;
}

std::optional<VersionInfo> RequestedVersion(const BrandingOptions& options) {
  if (!options.fileVersion && !options.productVersion && options.strings.empty()) return std::nullopt;
  VersionInfo info;
  info.strings = options.strings;
  if (options.fileVersion) {
    info.fileVersion = *options.fileVersion;
    info.strings["FileVersion"] = VersionText(*options.fileVersion);
  }
  if (options.productVersion) {
    info.productVersion = *options.productVersion;
    info.strings["ProductVersion"] = VersionText(*options.productVersion);
  }
  return info;
}

Result<BrandingChanges> RequestedChanges(const BrandingOptions& options) {
  BrandingChanges changes;
  if (options.iconFile) {
    Result<Bytes> file = ReadFile(*options.iconFile);
    if (!file.ok()) return file.failure();
    Result<IconFile> icon = ParseIconFile(file.value());
    if (!icon.ok()) return Failure{*options.iconFile + ": " + icon.error()};
    changes.icon = std::move(icon).value();
  }
  changes.version = RequestedVersion(options);
  changes.dpiAware = options.dpiAware;
  return changes;
}

std::optional<Failure> BrandFile(const BrandingOptions& options) {
  std::error_code error;
  if (fs::equivalent(PathOf(options.input), PathOf(options.output), error))
    return Failure{options.output + ": is INPUT itself, which branding never changes"};
  Result<BrandingChanges> changes = RequestedChanges(options);
  if (!changes.ok()) return changes.failure();
  Result<Bytes> input = ReadFile(options.input);
  if (!input.ok()) return input.failure();
  Result<PeImage> image = PeImage::Read(std::move(input).value());
  if (!image.ok()) return Failure{options.input + ": " + image.error()};
  Result<PeImage> branded = Brand(image.value(), changes.value());
  if (!branded.ok()) return Failure{options.input + ": " + branded.error()};
  return WriteFileWhole(options.output, branded.value().bytes());
}

}  // namespace

int RunBrandTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  Result<BrandingOptions> options = ParseCommandLine(arguments);
  if (!options.ok()) {
    err << "launcher-brand: " << options.error() << "\n" << kUsage;
    return 1;
  }
  if (options.value().help) {
    out << kUsage;
    return 0;
  }
  if (std::optional<Failure> refused = BrandFile(options.value())) {
    err << "launcher-brand: " << refused->message << "\n";
    return 1;
  }
  return 0;
}
