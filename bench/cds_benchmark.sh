#!/usr/bin/env bash
# Class data sharing at start-up, two real subjects side by side in paired rounds:
# javac compiling one small file, and Maven's --version through its class-world
# launcher. Each subject's plain `java -cp` run is (a); (b) is the launcher with
# "Class Data Sharing=auto", the same class path, options and arguments, first
# warm (its archive in place), then as a first start (the run that writes it).
#
# Usage: bench/cds_benchmark.sh <cds_benchmark binary> <launcher> [rounds]
#   JDK_HOME (default: the JDK cmake/jdk-home names), MAVEN_HOME (default /usr/share/maven).
set -euo pipefail

benchmark=$(realpath "$1")
launcher=$(realpath "$2")
rounds=${3:-15}
here=$(cd "$(dirname "$0")" && pwd)
jdk=${JDK_HOME:-$(cat "$here/../cmake/jdk-home")}
maven=${MAVEN_HOME:-/usr/share/maven}
java=$jdk/bin/java

work=${TMPDIR:-/tmp}/launcher-cds-benchmark
rm -rf "$work"
mkdir -p "$work/empty" "$work/out"
cp "$here/Hello.java" "$work/"
# The launcher wants a class path; javac's own classes come from the runtime
# image, so the class path is one jar with nothing in it.
"$jdk/bin/jar" cf "$work/javac-app.jar" -C "$work/empty" .
trap 'rm -rf "$work"' EXIT

javac_options=(-cp "$work/javac-app.jar")
javac_main=(com.sun.tools.javac.Main -d "$work/out" "$work/Hello.java")

# The properties that Maven's shell script (bin/mvn) sets, without the script.
classworlds=$(echo "$maven"/boot/plexus-classworlds-*.jar)
maven_options=(-cp "$classworlds" "-Dclassworlds.conf=$maven/bin/m2.conf" "-Dmaven.home=$maven"
               "-Dlibrary.jansi.path=$maven/lib/jansi-native" "-Dmaven.multiModuleProjectDirectory=$work")
maven_main=(org.codehaus.plexus.classworlds.launcher.Launcher --version)

# same_output LABEL EXPECTED COMMAND...: stops the benchmark when COMMAND prints anything else.
same_output() {
  local label=$1 expected=$2; shift 2
  local output
  output=$(cd "$work" && "$@" 2>&1) || true
  if [ "$output" != "$expected" ]; then
    printf '%s printed other output than java -cp:\n%s\n' "$label" "$output" >&2
    exit 1
  fi
}

# The launcher's archives go to a cache of the benchmark's own.
export XDG_CACHE_HOME=$work/cache

# subject NAME TARGET -cp CLASS_PATH OPTIONS... -- MAIN_CLASS ARGUMENTS...
subject() {
  local name=$1 target=$2 classpath=$4; shift 4
  local options=() main=()
  while [ "$1" != -- ]; do options+=("$1"); shift; done
  shift; main=("$@")
  local app=$work/$name-app
  cp "$launcher" "$app"
  cat >"$app.ini" <<SETTINGS
[Java Runtime Environment]
Main Class=${main[0]}
JRE Path=$jdk
Class Data Sharing=auto
Virtual Machine Parameters=${options[*]}
[Class Path]
Class Path=$classpath
SETTINGS
  local warm=("$app" "${main[@]:1}")
  "${warm[@]}" >/dev/null 2>&1  # makes the archive
  local first=("${warm[@]}")
  options=(-cp "$classpath" "${options[@]}")

  # The setting must stay silent: (b) prints exactly what (a) prints, warm and writing.
  local plain_output
  plain_output=$(cd "$work" && "$java" "${options[@]}" "${main[@]}" 2>&1)
  same_output "$name, warm" "$plain_output" "${warm[@]}"
  local archive
  archive=$(echo "$XDG_CACHE_HOME/$name-app"/*.jsa)
  echo "$name: archive $(stat -c %s "$archive") bytes"
  rm -rf "$XDG_CACHE_HOME/$name-app"
  same_output "$name, first start" "$plain_output" "${first[@]}"

  "$benchmark" --rounds "$rounds" --warmups 2 --target "$target" --dir "$work" \
    --title "$name, warm: archive in place" "java -cp" "launcher, Class Data Sharing=auto" \
    -- "$java" "${options[@]}" "${main[@]}" -- "${warm[@]}"
  "$benchmark" --rounds "$rounds" --warmups 1 --dir "$work" --fresh "$XDG_CACHE_HOME/$name-app" \
    --title "$name, first start: archive written at exit" "java -cp" "launcher, writing the archive" \
    -- "$java" "${options[@]}" "${main[@]}" -- "${first[@]}"
}

subject javac 0.75 "${javac_options[@]}" -- "${javac_main[@]}"
subject maven 0.92 "${maven_options[@]}" -- "${maven_main[@]}"
