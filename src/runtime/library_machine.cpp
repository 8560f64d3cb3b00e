#include "runtime/library_machine.h"

#include "support/files.h"
#include "support/os.h"

namespace {

std::uint32_t ReadLittleEndian(const unsigned char* bytes, int count) {
  std::uint32_t value = 0;
  for (int k = count - 1; k >= 0; --k) value = value << 8 | bytes[k];
  return value;
}

bool StartsWith(const unsigned char* image, std::size_t size, std::size_t offset, const char* bytes,
                std::size_t count) {
  if (offset > size || size - offset < count) return false;
  for (std::size_t k = 0; k < count; ++k)
    if (image[offset + k] != static_cast<unsigned char>(bytes[k])) return false;
  return true;
}

constexpr std::uint16_t kPeI386 = 0x014C;
constexpr std::uint16_t kPeAmd64 = 0x8664;
constexpr std::size_t kPeHeaderOffsetField = 0x3C;  // where the MZ header points to the NT headers
constexpr std::size_t kElfMachineField = 18;
constexpr std::size_t kElfDataField = 5;  // 1: little-endian
constexpr unsigned char kElfLittleEndian = 1;

}  // namespace

std::optional<std::uint16_t> ImageMachineType(const unsigned char* image, std::size_t size) {
  if (!image) return std::nullopt;
  if (StartsWith(image, size, 0, "MZ", 2) && size >= kPeHeaderOffsetField + 4) {
    std::size_t ntHeaders = ReadLittleEndian(image + kPeHeaderOffsetField, 4);
    // The signature "PE\0\0" and the 16-bit machine field after it.
    if (!StartsWith(image, size, ntHeaders, "PE\0\0", 4) || size - ntHeaders < 6) return std::nullopt;
    return static_cast<std::uint16_t>(ReadLittleEndian(image + ntHeaders + 4, 2));
  }
  if (StartsWith(image, size, 0,
                 "\x7F"
                 "ELF",
                 4) &&
      size >= kElfMachineField + 2 && image[kElfDataField] == kElfLittleEndian)
    return static_cast<std::uint16_t>(ReadLittleEndian(image + kElfMachineField, 2));
  return std::nullopt;
}

std::optional<std::uint16_t> LibraryMachineType(const std::u16string& path) {
  const MappedFile library(path);
  return ImageMachineType(library.view(), library.size());
}

std::optional<std::uint16_t> OtherMachineType() {
  switch (OwnMachineType()) {
    case kPeI386:
      return kPeAmd64;
    case kPeAmd64:
      return kPeI386;
    default:
      return std::nullopt;
  }
}

bool CheckPairedLauncher(const std::u16string& pairProduct, const std::u16string& vmLibraryPath) {
  if (pairProduct.empty()) return false;
  std::optional<std::uint16_t> machine = LibraryMachineType(vmLibraryPath);
  return machine && *machine != OwnMachineType();
}
