#!/usr/bin/env bash
# Installs what building and testing need on a fresh Debian 12 machine; does
# nothing for packages already present.
set -euo pipefail

packages=(
  cmake g++ make googletest libgtest-dev         # native build and tests (sources for the cross builds)
  g++-mingw-w64-x86-64 g++-mingw-w64-i686        # the two Windows builds
  binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  wine wine64                                    # running the x86_64 Windows build
  xvfb xdotool x11-utils imagemagick             # driving and capturing the dialog
  icoutils                                       # wrestool, a judge of the branding tool
  openjdk-17-jdk-headless                        # the real JVM the Linux launcher hosts
  clang-14 libclang-rt-14-dev                    # the fuzz targets (libFuzzer)
  valgrind                                       # memcheck over the scenario suite
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y "${missing[@]}"
fi
