#include "brand/branding.h"

#include "brand/icon_resources.h"
#include "brand/manifest.h"

namespace {

constexpr std::uint32_t kVersionName = 1;
constexpr std::uint32_t kProcessManifestName = 1;  // CREATEPROCESS_MANIFEST_RESOURCE_ID

std::optional<Failure> DeclareDpiAwarenessOfProcess(ResourceTree& tree) {
  LanguageTable& manifests = tree[kManifestType][kProcessManifestName];
  if (manifests.empty()) {
    const std::string empty = EmptyManifest();
    SetResource(tree, kManifestType, kProcessManifestName, Bytes(empty.begin(), empty.end()));
  }
  for (auto& [language, data] : manifests) {
    Result<std::string> changed = DeclareDpiAwareness(std::string(data.bytes.begin(), data.bytes.end()));
    if (!changed.ok()) return changed.failure();
    data.bytes.assign(changed.value().begin(), changed.value().end());
  }
  return std::nullopt;
}

}  // namespace

Result<PeImage> Brand(const PeImage& image, const BrandingChanges& changes) {
  if (image.isSigned())
    return Failure{"the executable is signed, and branding would break its signature: brand it first, then sign it"};
  Result<ResourceTree> read = ReadResourceTree(image.resourceSection(), image.resourceAddress());
  if (!read.ok()) return read.failure();
  ResourceTree tree = std::move(read).value();

  if (changes.icon) InstallIcon(tree, *changes.icon);
  if (changes.version) {
    Result<Bytes> version = VersionResource(*changes.version);
    if (!version.ok()) return version.failure();
    tree.erase(kVersionType);
    SetResource(tree, kVersionType, kVersionName, std::move(version).value());
  }
  if (changes.dpiAware)
    if (std::optional<Failure> refused = DeclareDpiAwarenessOfProcess(tree)) return *refused;
  return image.withResourceSection(WriteResourceTree(tree, image.resourceAddress()));
}
