// Whether a VM library can be loaded by this process, judged by the machine
// type in its image header, and the paired-launcher decision built on it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// The machine type of a Windows (PE) or ELF image held in memory; nothing for
// anything else. Every offset is checked against size, so a truncated or
// hostile file is rejected rather than read past its end.
std::optional<std::uint16_t> ImageMachineType(const unsigned char* image, std::size_t size);

// The machine type of the image file at path; nothing when it cannot be read
// or is no image.
std::optional<std::uint16_t> LibraryMachineType(const std::u16string& path);

// The machine type of the other build of a platform with two (Windows: i386
// for x86_64, x86_64 for i386); nothing where there is none.
std::optional<std::uint16_t> OtherMachineType();

// Whether the paired launcher is to host the VM library: a paired launcher is
// configured and the library is an image for another machine than this
// build's. A file that cannot be read or is no image gives false; loading it
// reports the failure later.
bool CheckPairedLauncher(const std::u16string& pairProduct, const std::u16string& vmLibraryPath);
