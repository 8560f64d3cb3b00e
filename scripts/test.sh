#!/usr/bin/env bash
# Sets up what is missing, builds every preset and runs every test: natively,
# natively under AddressSanitizer and UndefinedBehaviorSanitizer, and the
# Windows tests under Wine. Also checks that the Windows launchers need no DLL
# beyond Windows' own.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh linux linux-sanitize win64 win32

scripts/check-windows-imports.sh build/win64/launcher.exe x86-64
scripts/check-windows-imports.sh build/win32/launcher.exe i386

status=0
for preset in linux linux-sanitize win64; do
  echo "== tests: $preset"
  ctest --preset "$preset" -j "$(nproc)" || status=1
done
exit $status
