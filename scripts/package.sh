#!/usr/bin/env bash
# Builds the release presets and writes the release archives to dist/:
#   launcher-<version>-windows.zip       launcher.exe, launcherw.exe, launcher-brand.exe (x86_64),
#                                        x86/launcher.exe, x86/launcherw.exe (i686)
#   launcher-<version>-linux-x86_64.tar.gz  launcher, launcher-brand
# each with the documents, the sample application and the licence. The
# programs are stripped; the Windows ones are built for size.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh release-linux release-win64 release-win32

version=$(scripts/version.sh)
stage=build/package
rm -rf "$stage" && mkdir -p "$stage" dist

# The sample application's jar, built once for both archives.
jdk=$(cat cmake/jdk-home)
"$jdk/bin/javac" --release 17 -d "$stage/classes" demo/Greeter.java
"$jdk/bin/jar" --create --file "$stage/greeter.jar" -C "$stage/classes" .

# What both archives hold beside the programs: the sample is the demo's
# settings file with its jar, ready for a launcher copied in as "greeter".
shared_files() {
  mkdir -p "$1/docs" "$1/sample/lib"
  cp docs/settings.md docs/guide.md "$1/docs/"
  cp LICENSE "$1/"
  cp demo/greeter.ini "$1/sample/"
  cp "$stage/greeter.jar" "$1/sample/lib/"
}

windows=$stage/windows
cmake --install build/release-win64 --prefix "$windows" --strip >/dev/null
cmake --install build/release-win32 --prefix "$windows/x86" --component launchers --strip >/dev/null
shared_files "$windows"

linux=$stage/linux
cmake --install build/release-linux --prefix "$linux" --strip >/dev/null
shared_files "$linux"

zip=dist/launcher-$version-windows.zip
tarball=dist/launcher-$version-linux-x86_64.tar.gz
rm -f "$zip" "$tarball"
(cd "$windows" && cmake -E tar cf "$OLDPWD/$zip" --format=zip -- *)
tar --sort=name --owner=0 --group=0 --numeric-owner -czf "$tarball" -C "$linux" .

echo "== release archives"
ls -l "$zip" "$tarball" | awk '{ print $5, $9 }'
echo "== programs (bytes)"
(cd "$stage" && find . -type f \( -name '*.exe' -o -name launcher -o -name launcher-brand \) -printf '%s %p\n' | sort -k2)
