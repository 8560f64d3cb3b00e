#!/usr/bin/env bash
# Sets up what is missing, builds the three launchers and shows a launch of the
# Windows launcher, under Wine, in a folder without settings.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh linux win64 win32
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp build/win64/launcher.exe "$folder/"
echo "== build/win64/launcher.exe in an empty folder, under Wine:"
set +e
cmake/run-under-wine.sh "$folder/launcher.exe"
echo "== exit code: $?"
