// A PE image (either machine type, console or windowed) as far as replacing
// its resource section goes: the headers, the section table and the pointers
// into what follows the resource section.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "brand/little_endian.h"
#include "brand/result.h"

class PeImage {
 public:
  // Refuses what is not a PE image, a truncated one, and one whose resources
  // do not begin a section of their own.
  static Result<PeImage> Read(Bytes file);

  const Bytes& bytes() const { return file_; }
  // Whether the image carries an Authenticode signature (a certificate table).
  bool isSigned() const;
  // The resource section's bytes as the file holds them, and its address.
  Bytes resourceSection() const;
  std::uint32_t resourceAddress() const { return sections_[resources_].address; }

  // The image with the given resource section in place of its own. What
  // follows the section moves in the file and, where the section grows past
  // its pages, in memory: such sections must be discardable (base relocations,
  // debugging information), since code could hold their addresses. Every
  // pointer to what moved moves too; sizes and the checksum are set anew.
  Result<PeImage> withResourceSection(const Bytes& section) const;

 private:
  struct Section {
    std::string name;
    std::uint32_t virtualSize = 0, address = 0, rawSize = 0, rawOffset = 0, characteristics = 0;
    std::size_t header = 0;  // where its entry of the section table lies
  };

  struct Shift;

  std::size_t directoryEntry(std::size_t index) const { return directories_ + index * 8; }
  std::size_t checksumField() const;
  // Whether the headers or any sections' data share bytes, which would let
  // the tables that the move changes in place change something else too.
  bool sectionsOverlap(std::size_t headersEnd) const;
  // Where the file holds size bytes at an address, if it holds them.
  std::optional<std::size_t> fileOffsetOf(std::uint32_t address, std::uint32_t size) const;
  // The addresses and file offsets that tables inside sections hold.
  void moveRelocationPages(const Shift& shift);
  void moveDebugData(const Shift& shift);

  Bytes file_;
  std::size_t fileHeader_ = 0, optionalHeader_ = 0, directories_ = 0, directoryCount_ = 0;
  std::uint32_t sectionAlignment_ = 0, fileAlignment_ = 0;
  std::vector<Section> sections_;
  std::size_t resources_ = 0;  // index into sections_
};

// The checksum of the optional header: 16-bit words summed with their carries
// folded back, the checksum field counted as zero, plus the file's length.
std::uint32_t ImageChecksum(const Bytes& image, std::size_t checksumField);
