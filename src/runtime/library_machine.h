// Whether a VM library can be loaded by this process, judged by the machine
// type in its image header, and the paired-launcher decision built on it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

struct Launcher;

// The machine type of a Windows (PE) or ELF image held in memory; nothing for
// anything else. Every offset is checked against size, so a truncated or
// hostile file is rejected rather than read past its end.
std::optional<std::uint16_t> ImageMachineType(const unsigned char* image, std::size_t size);

// Platform part: the machine type of this build, as its images record it.
std::uint16_t OwnMachineType();

// Sets runPairedLauncher when a paired launcher is configured and the VM
// library is an image for another machine. A file that cannot be read or is
// no image leaves it false; loading it reports the failure later.
void CheckPairedLauncher(Launcher& launcher);
