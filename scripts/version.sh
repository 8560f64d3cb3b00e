#!/usr/bin/env bash
# Prints the project's version, which CMakeLists.txt alone names.
set -euo pipefail
version=$(sed -n 's/^project(launcher VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../CMakeLists.txt")
[[ -n $version ]] || { echo "no project version in CMakeLists.txt" >&2; exit 1; }
echo "$version"
