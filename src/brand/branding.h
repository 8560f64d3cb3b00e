// What branding changes in a launcher's resources, and the change itself.
#pragma once

#include <optional>

#include "brand/ico_file.h"
#include "brand/pe_image.h"
#include "brand/version_resource.h"

struct BrandingChanges {
  std::optional<IconFile> icon;
  std::optional<VersionInfo> version;  // replaces any version resource, of any language
  bool dpiAware = false;
};

// Every resource that no change names stays as it was. Refuses a signed
// image, whose signature would no longer hold.
Result<PeImage> Brand(const PeImage& image, const BrandingChanges& changes);
