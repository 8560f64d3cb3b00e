#!/usr/bin/env bash
# Unpacks each release archive into an empty folder, checks that it holds
# exactly what it should, stripped, and launches the sample from it as a
# vendor would: the launcher copied in under the sample's name. On Linux the
# real JVM runs the sample's jar; under Wine the test VM runs a class that the
# test adds to the sample's lib folder.
#   release_archives_test.sh DIST_FOLDER VERSION TEST_VM_DLL
set -euo pipefail
dist=$(cd "$1" && pwd) version=$2 test_vm=$(realpath "$3")
root=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAILED: $*" >&2; failures=$((failures + 1)); }

# expect_listing FOLDER EXPECTED...: the folder holds these files and no others.
expect_listing() {
  local folder=$1; shift
  local found wanted
  found=$(cd "$folder" && find . -type f | sed 's|^\./||' | sort)
  wanted=$(printf '%s\n' "$@" | sort)
  [[ $found == "$wanted" ]] || fail "$folder holds:"$'\n'"$found"$'\n'"wanted:"$'\n'"$wanted"
}

# expect_lines OUTPUT LINE...: each line appears in the output.
expect_lines() {
  local output=$1; shift
  for line in "$@"; do
    grep -qxF -- "$line" <<<"$output" || fail "no line '$line' in:"$'\n'"$output"
  done
}

shared=(LICENSE docs/settings.md docs/guide.md sample/greeter.ini sample/lib/greeter.jar)

echo "== linux archive"
linux=$scratch/linux && mkdir "$linux"
tar -xzf "$dist/launcher-$version-linux-x86_64.tar.gz" -C "$linux"
expect_listing "$linux" launcher launcher-brand "${shared[@]}"
for program in launcher launcher-brand; do
  if readelf -S "$linux/$program" | grep -qE '\.symtab|\.debug_'; then fail "$program is not stripped"; fi
done
cp "$linux/launcher" "$linux/sample/greeter"
status=0
output=$("$linux/sample/greeter" "first argument" second 2>&1) || status=$?
echo "$output"
((status == 0)) || fail "the Linux sample ended with $status"
expect_lines "$output" "arguments: [first argument, second, --from-settings]" \
  "class path: $linux/sample/lib/greeter.jar" "greeting property: Hello, world"
grep -q '^Hello from Java ' <<<"$output" || fail "the real JVM did not run the sample"
# The Linux branding tool brands a Windows launcher of the other archive.
windows=$scratch/windows && mkdir "$windows"
cmake -E chdir "$windows" cmake -E tar xf "$dist/launcher-$version-windows.zip"
"$linux/launcher-brand" --file-version "$version.0" --string ProductName=Greeter \
  "$windows/launcher.exe" "$scratch/branded.exe" || fail "launcher-brand could not brand launcher.exe"

echo "== windows archive"
expect_listing "$windows" launcher.exe launcherw.exe launcher-brand.exe x86/launcher.exe x86/launcherw.exe \
  "${shared[@]}"
check_image() { "$root/scripts/check-windows-image.sh" "$windows/$1" "$2" "$3" || fail "$1 is not as shipped"; }
check_image launcher.exe x86-64 console
check_image launcherw.exe x86-64 windows
check_image launcher-brand.exe x86-64 console
check_image x86/launcher.exe i386 console
check_image x86/launcherw.exe i386 windows
for program in launcher.exe launcherw.exe launcher-brand.exe x86/launcher.exe x86/launcherw.exe; do
  if x86_64-w64-mingw32-objdump -h "$windows/$program" | grep -q '\.debug_'; then fail "$program is not stripped"; fi
  if x86_64-w64-mingw32-objdump -t "$windows/$program" | grep -q '^\['; then fail "$program keeps its symbols"; fi
done

# A runtime of the test VM where JAVA_HOME names it, and the sample's class
# as a test-VM script: the test VM reads the class from any file on the
# class path that holds its block, and passes over the real jar.
runtime=$scratch/runtime
mkdir -p "$runtime/bin/server"
cp "$test_vm" "$runtime/bin/server/jvm.dll"
echo 'JAVA_VERSION="17.0.9"' >"$runtime/release"
cat >"$windows/sample/lib/greeter-testvm.jar" <<'EOF'
TESTVM-CLASS demo/Greeter
method main ([Ljava/lang/String;)V
out text Hello from the test VM
out args
out property demo.greeting
out maxheap
out env ZQ_JVM_HOME
TESTVM-END
EOF
windows_runtime="Z:${runtime//\//\\}"
for launcher in launcher launcherw; do
  cp "$windows/$launcher.exe" "$windows/sample/greeter.exe"
  status=0
  output=$(JAVA_HOME=$windows_runtime "$root/cmake/run-under-wine.sh" "$windows/sample/greeter.exe" \
    "first argument" second 2>&1 | tr -d '\r') || status=$?
  echo "-- $launcher.exe as greeter.exe"
  echo "$output"
  ((status == 0)) || fail "the Windows sample under $launcher.exe ended with $status"
  expect_lines "$output" "Hello from the test VM" "args 3" "arg 0 [first argument]" "arg 1 [second]" \
    "arg 2 [--from-settings]" "property demo.greeting [Hello, world]" "env ZQ_JVM_HOME [$windows_runtime]"
  grep -qE '^maxheap [0-9]+$' <<<"$output" || fail "the sample's -Xmx10p did not reach the VM as a size"
done

((failures == 0)) && echo "release archives: all checks passed"
exit $((failures > 0))
