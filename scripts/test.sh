#!/usr/bin/env bash
# Sets up what is missing, builds every preset and runs every test: natively
# (the scenarios once more under memcheck), natively under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the Windows tests under Wine. Also checks
# the Windows launchers' machine types and subsystems (console, windowed) and
# that they and the branding tools need no DLL beyond Windows' own, packs the
# release archives and launches the sample from each of them unpacked, and
# runs every fuzz target for a short while.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh linux linux-sanitize win64 win32

for build in win64:x86-64 win32:i386; do
  scripts/check-windows-image.sh "build/${build%:*}/launcher.exe" "${build#*:}" console
  scripts/check-windows-image.sh "build/${build%:*}/launcherw.exe" "${build#*:}" windows
done
scripts/check-windows-image.sh build/win64/launcher-brand.exe x86-64 console
scripts/check-windows-image.sh build/win32/launcher-brand.exe i386 console

status=0
for preset in linux linux-sanitize win64; do
  echo "== tests: $preset"
  ctest --preset "$preset" -j "$(nproc)" || status=1
done
echo "== release archives"
scripts/package.sh && tests/package/release_archives_test.sh dist "$(scripts/version.sh)" \
  build/win64/tests/testvm/bin/jvm.dll || status=1
echo "== fuzz targets, ${FUZZ_SECONDS:-10} s each"
scripts/fuzz.sh "${FUZZ_SECONDS:-10}" || status=1
exit $status
