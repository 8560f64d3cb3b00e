// PE images: any bytes are read without reading past them; an image that is
// accepted and branded reads again, at the same resource address, with the
// version resource and the manifest in its resources and a checksum that
// holds.
#include <cstdint>

#include "brand/branding.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const Result<PeImage> image = PeImage::Read(Bytes(bytes, bytes + size));
  if (!image.ok()) return 0;
  BrandingChanges changes;
  changes.version = VersionInfo{{1, 2, 3, 4}, {5, 6, 7, 8}, {{"ProductName", "Fuzzed"}}};
  changes.dpiAware = true;
  const Result<PeImage> branded = Brand(image.value(), changes);
  if (!branded.ok()) return 0;

  const Result<PeImage> reread = PeImage::Read(branded.value().bytes());
  FUZZ_CHECK(reread.ok());
  FUZZ_CHECK(reread.value().resourceAddress() == image.value().resourceAddress());
  const Result<ResourceTree> tree =
      ReadResourceTree(reread.value().resourceSection(), reread.value().resourceAddress());
  FUZZ_CHECK(tree.ok() && tree.value().count(kVersionType) && tree.value().count(kManifestType));
  const Bytes& output = reread.value().bytes();
  const std::size_t checksum = ReadU32(output, 0x3C) + 24 + 64;
  FUZZ_CHECK(ReadU32(output, checksum) == ImageChecksum(output, checksum));
  return 0;
}
