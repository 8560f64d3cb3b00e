#include "test_image.h"

#include <cstring>

#include "brand/pe_image.h"

namespace {

constexpr std::size_t kHeadersSize = 0x400;
constexpr std::size_t kNtHeaders = 0x80;
constexpr std::size_t kFileHeader = kNtHeaders + 4;
constexpr std::size_t kOptionalHeader = kFileHeader + 20;
constexpr std::size_t kDirectoryCount = 16;
constexpr std::uint32_t kDebugDirectoryAddress = 0x1100;
constexpr std::size_t kSymbolCount = 2;

std::size_t DirectoriesOffset(ImageKind kind) { return kind == ImageKind::kPe32 ? 96 : 112; }

struct Section {
  std::string name;
  Bytes contents;
  std::uint32_t characteristics;
  std::uint32_t address = 0, rawOffset = 0;
};

void Put(Bytes& image, std::size_t offset, const Bytes& bytes) {
  if (image.size() < offset + bytes.size()) image.resize(offset + bytes.size());
  std::copy(bytes.begin(), bytes.end(), image.begin() + offset);
}

Bytes RelocationBlocks(std::uint32_t debugAddress) {
  Bytes blocks;
  for (std::uint32_t page : {0x1000u, debugAddress}) {
    AppendU32(blocks, page);
    AppendU32(blocks, 12);
    AppendU16(blocks, 0xA010);  // a 64-bit address at offset 0x10
    AppendU16(blocks, 0);
  }
  return blocks;
}

}  // namespace

Bytes TestImage(ImageKind kind, const ResourceTree& resources) {
  std::vector<Section> sections = {
      {".text", Bytes(kTestCodeSize, 0xC3), 0x60000020},
      {".rsrc", WriteResourceTree(resources, kTestResourceAddress), 0xC0000040},
      {".reloc", {}, 0x42000040},
      {"/4", Bytes(kTestDebugContents, kTestDebugContents + sizeof kTestDebugContents), 0x42100040},
  };
  std::uint32_t address = kTestSectionAlignment, rawOffset = kHeadersSize;
  for (Section& section : sections) {
    section.address = address;
    section.rawOffset = rawOffset;
    // The relocations' size is known before the debugging section's address.
    const std::size_t size = section.name == ".reloc" ? 24 : section.contents.size();
    address += static_cast<std::uint32_t>(AlignUp(size, kTestSectionAlignment));
    rawOffset += static_cast<std::uint32_t>(AlignUp(size, kTestFileAlignment));
  }
  sections[2].contents = RelocationBlocks(sections[3].address);

  Bytes image(kHeadersSize);
  image[0] = 'M';
  image[1] = 'Z';
  WriteU32(image, 0x3C, kNtHeaders);
  WriteU32(image, kNtHeaders, 0x00004550);
  WriteU16(image, kFileHeader, kind == ImageKind::kPe32 ? 0x14C : 0x8664);
  WriteU16(image, kFileHeader + 2, static_cast<std::uint16_t>(sections.size()));
  const std::size_t optionalSize = DirectoriesOffset(kind) + 8 * kDirectoryCount;
  WriteU16(image, kFileHeader + 16, static_cast<std::uint16_t>(optionalSize));
  WriteU16(image, kOptionalHeader, kind == ImageKind::kPe32 ? 0x10B : 0x20B);
  WriteU32(image, kOptionalHeader + 8, 0x1000);  // the initialized data, as the linker counts it
  WriteU32(image, kOptionalHeader + 32, kTestSectionAlignment);
  WriteU32(image, kOptionalHeader + 36, kTestFileAlignment);
  WriteU32(image, kOptionalHeader + 56, address);
  WriteU32(image, kOptionalHeader + 60, kHeadersSize);
  const std::size_t directories = kOptionalHeader + DirectoriesOffset(kind);
  WriteU32(image, directories - 4, kDirectoryCount);
  WriteU32(image, directories + 2 * 8, sections[1].address);
  WriteU32(image, directories + 2 * 8 + 4, static_cast<std::uint32_t>(sections[1].contents.size()));
  WriteU32(image, directories + 5 * 8, sections[2].address);
  WriteU32(image, directories + 5 * 8 + 4, static_cast<std::uint32_t>(sections[2].contents.size()));
  WriteU32(image, directories + 6 * 8, kDebugDirectoryAddress);
  WriteU32(image, directories + 6 * 8 + 4, 28);

  const std::size_t table = kOptionalHeader + optionalSize;
  for (std::size_t k = 0; k < sections.size(); ++k) {
    const Section& section = sections[k];
    const std::size_t header = table + 40 * k;
    std::memcpy(image.data() + header, section.name.data(), section.name.size());
    WriteU32(image, header + 8, static_cast<std::uint32_t>(section.contents.size()));
    WriteU32(image, header + 12, section.address);
    WriteU32(image, header + 16, static_cast<std::uint32_t>(AlignUp(section.contents.size(), kTestFileAlignment)));
    WriteU32(image, header + 20, section.rawOffset);
    WriteU32(image, header + 36, section.characteristics);
    Bytes raw = section.contents;
    PadTo(raw, kTestFileAlignment);
    Put(image, section.rawOffset, raw);
  }
  // The debug directory's entry in the code: its data is the debugging section.
  const std::size_t entry = sections[0].rawOffset + (kDebugDirectoryAddress - sections[0].address);
  WriteU32(image, entry + 16, static_cast<std::uint32_t>(sections[3].contents.size()));
  WriteU32(image, entry + 20, sections[3].address);
  WriteU32(image, entry + 24, sections[3].rawOffset);

  WriteU32(image, kFileHeader + 8, static_cast<std::uint32_t>(image.size()));
  WriteU32(image, kFileHeader + 12, kSymbolCount);
  Bytes symbols(18 * kSymbolCount);
  AppendU32(symbols, static_cast<std::uint32_t>(4 + sizeof kTestDebugName));
  symbols.insert(symbols.end(), kTestDebugName, kTestDebugName + sizeof kTestDebugName);
  Put(image, image.size(), symbols);
  WriteU32(image, kOptionalHeader + 64, ImageChecksum(image, kOptionalHeader + 64));
  return image;
}

std::size_t OptionalHeader(const Bytes& image) { return ReadU32(image, 0x3C) + 24; }

std::size_t DataDirectory(const Bytes& image, std::size_t index) {
  const std::size_t optional = OptionalHeader(image);
  return optional + (ReadU16(image, optional) == 0x10B ? 96 : 112) + 8 * index;
}

SectionFields SectionNamed(const Bytes& image, const std::string& name) {
  const std::size_t fileHeader = ReadU32(image, 0x3C) + 4;
  const std::size_t table = OptionalHeader(image) + ReadU16(image, fileHeader + 16);
  const std::size_t strings = ReadU32(image, fileHeader + 8) + 18 * ReadU32(image, fileHeader + 12);
  for (std::size_t k = 0; k < ReadU16(image, fileHeader + 2); ++k) {
    const std::size_t header = table + 40 * k;
    std::string field(reinterpret_cast<const char*>(image.data() + header), 8);
    field.resize(field.find('\0') == std::string::npos ? 8 : field.find('\0'));
    if (field[0] == '/') field = reinterpret_cast<const char*>(image.data() + strings + std::stoul(field.substr(1)));
    if (field == name)
      return {ReadU32(image, header + 8), ReadU32(image, header + 12), ReadU32(image, header + 16),
              ReadU32(image, header + 20)};
  }
  return {};
}

std::size_t DebugEntry(const Bytes& image) {
  const SectionFields code = SectionNamed(image, ".text");
  return code.rawOffset + (ReadU32(image, DataDirectory(image, 6)) - code.address);
}

std::size_t DebugRelocationBlock(const Bytes& image) {
  const SectionFields relocations = SectionNamed(image, ".reloc");
  return relocations.rawOffset + 12;
}
