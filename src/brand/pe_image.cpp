#include "brand/pe_image.h"

#include <algorithm>

namespace {

// Offsets of the headers' fields (the PE32 and PE32+ optional headers agree
// up to the stack sizes, which PE32+ widens to 64 bits).
constexpr std::size_t kNtHeadersField = 0x3C;
constexpr std::size_t kFileHeaderSize = 20;
constexpr std::size_t kSectionCountField = 2, kSymbolTableField = 8, kSymbolCountField = 12, kOptionalSizeField = 16;
constexpr std::size_t kSymbolSize = 18;
constexpr std::size_t kInitializedDataField = 8, kSectionAlignmentField = 32, kFileAlignmentField = 36;
constexpr std::size_t kImageSizeField = 56, kChecksumField = 64;
constexpr std::uint16_t kPe32 = 0x10B, kPe32Plus = 0x20B;
constexpr std::size_t kPe32Directories = 96, kPe32PlusDirectories = 112;
constexpr std::size_t kSectionHeaderSize = 40;
constexpr std::size_t kVirtualSizeField = 8, kAddressField = 12, kRawSizeField = 16, kRawOffsetField = 20;
constexpr std::size_t kRelocationsField = 24, kLineNumbersField = 28, kCharacteristicsField = 36;
constexpr std::uint32_t kInitializedData = 0x40, kDiscardable = 0x02000000;

enum Directory : std::size_t { kResources = 2, kCertificates = 4, kBaseRelocations = 5, kDebug = 6 };
constexpr std::size_t kDebugEntrySize = 28, kDebugAddressField = 20, kDebugPointerField = 24;
constexpr std::size_t kRelocationBlockHeader = 8;

bool IsPowerOfTwo(std::uint32_t value) { return value != 0 && (value & (value - 1)) == 0; }

// The symbol table and, after it, the string table that begins with its own size.
bool SymbolTableFits(const Bytes& file, std::size_t fileHeader) {
  const std::size_t symbols = ReadU32(file, fileHeader + kSymbolTableField);
  if (symbols == 0) return true;
  const std::size_t strings = symbols + kSymbolSize * ReadU32(file, fileHeader + kSymbolCountField);
  return Fits(file.size(), strings, 4) && Fits(file.size(), strings, ReadU32(file, strings));
}

}  // namespace

// Where the layout changes: what lay at or after a point moves by a delta,
// in the file and in memory.
struct PeImage::Shift {
  std::uint32_t fileFrom = 0;
  std::int64_t fileDelta = 0;
  std::uint32_t addressFrom = 0;
  std::int64_t addressDelta = 0;

  void file(Bytes& image, std::size_t field) const {
    const std::uint32_t value = ReadU32(image, field);
    if (value != 0 && value >= fileFrom) WriteU32(image, field, static_cast<std::uint32_t>(value + fileDelta));
  }
  void address(Bytes& image, std::size_t field) const {
    const std::uint32_t value = ReadU32(image, field);
    if (value != 0 && value >= addressFrom) WriteU32(image, field, static_cast<std::uint32_t>(value + addressDelta));
  }
};

Result<PeImage> PeImage::Read(Bytes file) {
  const Failure notPe{"not a PE image"};
  const Failure cut{"the PE image is cut short"};
  if (file.size() < kNtHeadersField + 4 || file[0] != 'M' || file[1] != 'Z') return notPe;
  PeImage image;
  const std::size_t nt = ReadU32(file, kNtHeadersField);
  if (!Fits(file.size(), nt, 4 + kFileHeaderSize + 2)) return notPe;
  if (ReadU32(file, nt) != 0x00004550) return notPe;  // "PE\0\0"
  image.fileHeader_ = nt + 4;
  image.optionalHeader_ = image.fileHeader_ + kFileHeaderSize;
  const std::size_t optionalSize = ReadU16(file, image.fileHeader_ + kOptionalSizeField);
  const std::uint16_t magic = ReadU16(file, image.optionalHeader_);
  if (magic != kPe32 && magic != kPe32Plus) return notPe;
  const std::size_t directories = magic == kPe32 ? kPe32Directories : kPe32PlusDirectories;
  if (optionalSize < directories || !Fits(file.size(), image.optionalHeader_, optionalSize)) return cut;
  image.directories_ = image.optionalHeader_ + directories;
  image.directoryCount_ =
      std::min<std::size_t>(ReadU32(file, image.directories_ - 4), (optionalSize - directories) / 8);
  image.sectionAlignment_ = ReadU32(file, image.optionalHeader_ + kSectionAlignmentField);
  image.fileAlignment_ = ReadU32(file, image.optionalHeader_ + kFileAlignmentField);
  if (!IsPowerOfTwo(image.sectionAlignment_) || !IsPowerOfTwo(image.fileAlignment_) ||
      image.fileAlignment_ > image.sectionAlignment_)
    return Failure{"the PE image's section or file alignment is no power of two"};

  const std::size_t count = ReadU16(file, image.fileHeader_ + kSectionCountField);
  const std::size_t table = image.optionalHeader_ + optionalSize;
  if (!Fits(file.size(), table, count * kSectionHeaderSize)) return cut;
  for (std::size_t k = 0; k < count; ++k) {
    Section section;
    section.header = table + k * kSectionHeaderSize;
    const auto name = file.begin() + section.header;
    section.name.assign(name, std::find(name, name + 8, 0));
    section.virtualSize = ReadU32(file, section.header + kVirtualSizeField);
    section.address = ReadU32(file, section.header + kAddressField);
    section.rawSize = ReadU32(file, section.header + kRawSizeField);
    section.rawOffset = ReadU32(file, section.header + kRawOffsetField);
    section.characteristics = ReadU32(file, section.header + kCharacteristicsField);
    if (!Fits(file.size(), section.rawOffset, section.rawSize)) return cut;
    image.sections_.push_back(section);
  }
  if (image.sectionsOverlap(table + count * kSectionHeaderSize)) return Failure{"the PE image's sections overlap"};
  if (!SymbolTableFits(file, image.fileHeader_)) return cut;

  const std::uint32_t resources =
      image.directoryCount_ > kCertificates ? ReadU32(file, image.directoryEntry(kResources)) : 0;
  const auto found = std::find_if(image.sections_.begin(), image.sections_.end(),
                                  [&](const Section& section) { return section.address == resources; });
  if (resources == 0 || found == image.sections_.end() || found->rawSize == 0)
    return Failure{"the PE image has no resource section of its own"};
  image.resources_ = found - image.sections_.begin();
  image.file_ = std::move(file);
  return image;
}

bool PeImage::sectionsOverlap(std::size_t headersEnd) const {
  std::vector<std::pair<std::size_t, std::size_t>> ranges{{0, headersEnd}};
  for (const Section& section : sections_)
    if (section.rawSize != 0) ranges.emplace_back(section.rawOffset, std::size_t{section.rawOffset} + section.rawSize);
  std::sort(ranges.begin(), ranges.end());
  for (std::size_t k = 1; k < ranges.size(); ++k)
    if (ranges[k].first < ranges[k - 1].second) return true;
  return false;
}

bool PeImage::isSigned() const { return ReadU32(file_, directoryEntry(kCertificates) + 4) != 0; }

std::size_t PeImage::checksumField() const { return optionalHeader_ + kChecksumField; }

Bytes PeImage::resourceSection() const {
  const Section& section = sections_[resources_];
  const auto begin = file_.begin() + section.rawOffset;
  return Bytes(begin, begin + section.rawSize);
}

std::optional<std::size_t> PeImage::fileOffsetOf(std::uint32_t address, std::uint32_t size) const {
  for (const Section& section : sections_)
    if (address >= section.address && Fits(section.rawSize, address - section.address, size))
      return section.rawOffset + (address - section.address);
  return std::nullopt;
}

void PeImage::moveRelocationPages(const Shift& shift) {
  if (directoryCount_ <= kBaseRelocations) return;
  const std::uint32_t size = ReadU32(file_, directoryEntry(kBaseRelocations) + 4);
  const std::optional<std::size_t> start = fileOffsetOf(ReadU32(file_, directoryEntry(kBaseRelocations)), size);
  if (!start) return;
  for (std::size_t block = *start; block + kRelocationBlockHeader <= *start + size;) {
    const std::uint32_t blockSize = ReadU32(file_, block + 4);
    if (blockSize < kRelocationBlockHeader) break;
    shift.address(file_, block);
    block += blockSize;
  }
}

void PeImage::moveDebugData(const Shift& shift) {
  if (directoryCount_ <= kDebug) return;
  const std::uint32_t size = ReadU32(file_, directoryEntry(kDebug) + 4);
  const std::optional<std::size_t> start = fileOffsetOf(ReadU32(file_, directoryEntry(kDebug)), size);
  if (!start) return;
  for (std::size_t entry = *start; entry + kDebugEntrySize <= *start + size; entry += kDebugEntrySize) {
    shift.address(file_, entry + kDebugAddressField);
    shift.file(file_, entry + kDebugPointerField);
  }
}

Result<PeImage> PeImage::withResourceSection(const Bytes& resources) const {
  const Section& old = sections_[resources_];
  const std::uint32_t rawSize = static_cast<std::uint32_t>(AlignUp(resources.size(), fileAlignment_));
  std::uint32_t nextAddress = static_cast<std::uint32_t>(old.address + AlignUp(old.virtualSize, sectionAlignment_));
  for (const Section& section : sections_)
    if (section.address > old.address) nextAddress = std::min(nextAddress, section.address);
  Shift shift;
  shift.fileFrom = old.rawOffset + old.rawSize;
  shift.fileDelta = std::int64_t{rawSize} - old.rawSize;
  shift.addressFrom = nextAddress;
  shift.addressDelta =
      static_cast<std::int64_t>(old.address + AlignUp(resources.size(), sectionAlignment_)) - nextAddress;
  for (const Section& section : sections_)
    if (shift.addressDelta != 0 && section.address >= nextAddress && !(section.characteristics & kDiscardable))
      return Failure{"section " + section.name + " follows the resources and cannot be moved"};

  Bytes file(file_.begin(), file_.begin() + old.rawOffset);
  file.insert(file.end(), resources.begin(), resources.end());
  file.resize(old.rawOffset + rawSize);
  file.insert(file.end(), file_.begin() + shift.fileFrom, file_.end());

  WriteU32(file, old.header + kVirtualSizeField, static_cast<std::uint32_t>(resources.size()));
  WriteU32(file, old.header + kRawSizeField, rawSize);
  std::uint32_t imageSize = 0;
  for (const Section& section : sections_) {
    if (section.header != old.header) {
      shift.file(file, section.header + kRawOffsetField);
      shift.file(file, section.header + kRelocationsField);
      shift.file(file, section.header + kLineNumbersField);
      shift.address(file, section.header + kAddressField);
    }
    const std::uint32_t end =
        ReadU32(file, section.header + kAddressField) + ReadU32(file, section.header + kVirtualSizeField);
    imageSize = std::max(imageSize, static_cast<std::uint32_t>(AlignUp(end, sectionAlignment_)));
  }
  shift.file(file, fileHeader_ + kSymbolTableField);
  WriteU32(file, optionalHeader_ + kImageSizeField, imageSize);
  if (old.characteristics & kInitializedData) {
    const std::size_t field = optionalHeader_ + kInitializedDataField;
    WriteU32(file, field, static_cast<std::uint32_t>(ReadU32(file, field) + shift.fileDelta));
  }
  for (std::size_t index = 0; index < directoryCount_; ++index)
    if (index != kCertificates) shift.address(file, directoryEntry(index));
  WriteU32(file, directoryEntry(kResources) + 4, static_cast<std::uint32_t>(resources.size()));

  Result<PeImage> moved = Read(std::move(file));
  if (!moved.ok()) return moved;
  PeImage image = std::move(moved).value();
  image.moveRelocationPages(shift);
  image.moveDebugData(shift);
  WriteU32(image.file_, image.checksumField(), ImageChecksum(image.file_, image.checksumField()));
  return image;
}

std::uint32_t ImageChecksum(const Bytes& image, std::size_t checksumField) {
  std::uint64_t sum = 0;
  for (std::size_t offset = 0; offset < image.size(); offset += 2) {
    if (offset == checksumField || offset == checksumField + 2) continue;
    sum += ReadField(image, offset, std::min<std::size_t>(2, image.size() - offset));
    sum = (sum & 0xFFFF) + (sum >> 16);
  }
  sum = (sum & 0xFFFF) + (sum >> 16);
  return static_cast<std::uint32_t>(sum + image.size());
}
