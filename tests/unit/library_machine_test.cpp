// Reading a VM library's machine type, and the paired-launcher decision.
#include <gtest/gtest.h>

#include "runtime/library_machine.h"
#include "scratch_folder.h"
#include "support/os.h"

namespace {

// An MZ header whose pointer at 0x3C names where the NT headers begin.
std::string MzHeader(std::uint32_t ntHeaders) {
  std::string image(0x40, '\0');
  image[0] = 'M';
  image[1] = 'Z';
  for (int k = 0; k < 4; ++k) image[0x3C + k] = static_cast<char>(ntHeaders >> (8 * k));
  return image;
}

std::string PeImage(std::uint16_t machine) {
  return MzHeader(0x40) + std::string("PE\0\0", 4) + static_cast<char>(machine & 0xFF) +
         static_cast<char>(machine >> 8) + std::string(18, '\0');
}

std::string ElfImage(std::uint16_t machine) {
  std::string image = std::string(
                          "\x7F"
                          "ELF\x02\x01\x01",
                          7) +
                      std::string(13, '\0');
  image[18] = static_cast<char>(machine & 0xFF);
  image[19] = static_cast<char>(machine >> 8);
  return image;
}

std::optional<std::uint16_t> MachineOf(const std::string& image) {
  return ImageMachineType(reinterpret_cast<const unsigned char*>(image.data()), image.size());
}

TEST(LibraryMachine, ReadsTheMachineOfWellFormedImages) {
  EXPECT_EQ(MachineOf(PeImage(0x014C)), std::optional<std::uint16_t>(0x014C));
  EXPECT_EQ(MachineOf(PeImage(0x8664)), std::optional<std::uint16_t>(0x8664));
  EXPECT_EQ(MachineOf(MzHeader(0x40) + std::string("PE\0\0\x4C\x01", 6)), std::optional<std::uint16_t>(0x014C));
  EXPECT_EQ(MachineOf(ElfImage(62)), std::optional<std::uint16_t>(62));
}

TEST(LibraryMachine, RejectsTruncatedAndHostileFilesWithinBounds) {
  struct Row {
    const char* what;
    std::string image;
  };
  std::string bigEndianElf = ElfImage(62);
  bigEndianElf[5] = 2;
  const Row rows[] = {
      {"empty", ""},
      {"text", "this is not a library, only text\r\n"},
      {"MZ alone", "MZ"},
      {"MZ header cut before its pointer", MzHeader(0x40).substr(0, 0x3E)},
      {"pointer past the end", MzHeader(0x1000)},
      {"pointer far past the end", MzHeader(0xFFFFFFF0u)},
      {"pointer to the last byte", MzHeader(0x3F)},
      {"signature cut", MzHeader(0x40) + "PE"},
      {"machine field cut", MzHeader(0x40) + std::string("PE\0\0\x4C", 5)},
      {"wrong signature", MzHeader(0x40) + std::string("NE\0\0\x4C\x01", 6)},
      {"ELF cut before its machine", ElfImage(62).substr(0, 19)},
      {"big-endian ELF", bigEndianElf},
  };
  for (const Row& row : rows) EXPECT_EQ(MachineOf(row.image), std::nullopt) << row.what;
  EXPECT_EQ(ImageMachineType(nullptr, 0), std::nullopt);
}

std::uint16_t OtherMachine() {
  return OwnMachineType() == 0x014C ? 0x8664 : OwnMachineType() == 0x8664 ? 0x014C : OwnMachineType() + 1;
}

std::string OwnImage() {
  bool isPe = OwnMachineType() == 0x014C || OwnMachineType() == 0x8664;
  return isPe ? PeImage(OwnMachineType()) : ElfImage(OwnMachineType());
}

TEST(PairedLauncherCheck, OnlyALibraryForAnotherMachineWithAPairConfiguredNeedsThePair) {
  ScratchFolder folder;
  folder.write("other.dll", PeImage(OtherMachine()));
  folder.write("own.dll", OwnImage());
  folder.write("text.dll", "text");
  struct Row {
    const char* library;
    const char16_t* pairProduct;
    bool runPairedLauncher;
  };
  const Row rows[] = {
      {"other.dll", u"pair.exe", true}, {"other.dll", u"", false},           {"own.dll", u"pair.exe", false},
      {"text.dll", u"pair.exe", false}, {"missing.dll", u"pair.exe", false},
  };
  for (const Row& row : rows)
    EXPECT_EQ(CheckPairedLauncher(row.pairProduct, folder.at(row.library)), row.runPairedLauncher) << row.library;
}

}  // namespace
