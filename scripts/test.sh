#!/usr/bin/env bash
# Sets up what is missing, builds every preset and runs every test: natively
# (the scenarios once more under memcheck), natively under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the Windows tests under Wine. Also checks
# that the Windows launchers and branding tools need no DLL beyond Windows'
# own, and runs every fuzz target for a short while.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh linux linux-sanitize win64 win32

scripts/check-windows-imports.sh build/win64/launcher.exe x86-64
scripts/check-windows-imports.sh build/win32/launcher.exe i386
scripts/check-windows-imports.sh build/win64/launcher-brand.exe x86-64
scripts/check-windows-imports.sh build/win32/launcher-brand.exe i386

status=0
for preset in linux linux-sanitize win64; do
  echo "== tests: $preset"
  ctest --preset "$preset" -j "$(nproc)" || status=1
done
echo "== fuzz targets, ${FUZZ_SECONDS:-10} s each"
scripts/fuzz.sh "${FUZZ_SECONDS:-10}" || status=1
exit $status
