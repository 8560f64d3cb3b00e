#!/usr/bin/env bash
# Class data sharing at start-up, two real subjects side by side in paired rounds:
# javac compiling one small file, and Maven's --version through its class-world
# launcher. Each subject's plain `java -cp` run is (a); (b) is, for now, `java`
# with a dynamic archive of the same class path, first warm (archive in place),
# then as a first start (the run that writes the archive).
#
# Usage: bench/cds_benchmark.sh <cds_benchmark binary> [rounds]
#   JDK_HOME (default: the Debian JDK 17), MAVEN_HOME (default /usr/share/maven).
set -euo pipefail

benchmark=$(realpath "$1")
rounds=${2:-15}
jdk=${JDK_HOME:-/usr/lib/jvm/java-17-openjdk-amd64}
maven=${MAVEN_HOME:-/usr/share/maven}
java=$jdk/bin/java
here=$(cd "$(dirname "$0")" && pwd)

work=${TMPDIR:-/tmp}/launcher-cds-benchmark
rm -rf "$work"
mkdir -p "$work/empty" "$work/out"
cp "$here/Hello.java" "$work/"
# The launcher wants a class path; javac's own classes come from the runtime
# image, so the class path is one jar with nothing in it.
"$jdk/bin/jar" cf "$work/javac-app.jar" -C "$work/empty" .
trap 'rm -rf "$work"' EXIT

# What the launcher adds: silence every archive message, before the user's options.
quiet=(-Xlog:cds*=off)

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

# subject NAME TARGET OPTIONS... -- MAIN...
subject() {
  local name=$1 target=$2; shift 2
  local options=() main=()
  while [ "$1" != -- ]; do options+=("$1"); shift; done
  shift; main=("$@")
  local archive=$work/$name.jsa

  # ---- LAUNCHER: the launcher-based (b) goes here, once the setting exists. ----
  # Lay out $work/$name-app (a copy of the launcher) beside $work/$name-app.ini with
  # "Class Data Sharing=auto", "JRE Path=$jdk", the same class path, main class and
  # VM parameters; point XDG_CACHE_HOME at a folder of $work; run it once to write
  # the archive; then warm=("$work/$name-app" <arguments of main>) and, for the
  # first start, first=("$work/$name-app" ...) with --fresh <that cache folder>.
  local warm=("$java" "${quiet[@]}" "-XX:SharedArchiveFile=$archive" "${options[@]}" "${main[@]}")
  local first=("$java" "${quiet[@]}" "-XX:ArchiveClassesAtExit=$work/$name-first.jsa" "${options[@]}" "${main[@]}")
  "$java" "${quiet[@]}" "-XX:ArchiveClassesAtExit=$archive" "${options[@]}" "${main[@]}" >/dev/null 2>&1
  # --------------------------------------------------------------------------------

  # The setting must stay silent: (b) prints exactly what (a) prints, warm and writing.
  local plain_output
  plain_output=$(cd "$work" && "$java" "${options[@]}" "${main[@]}" 2>&1)
  same_output "$name, warm" "$plain_output" "${warm[@]}"
  rm -f "$work/$name-first.jsa"
  same_output "$name, first start" "$plain_output" "${first[@]}"

  "$benchmark" --rounds "$rounds" --warmups 2 --target "$target" --dir "$work" \
    --title "$name, warm: archive in place" "java -cp" "with archive" \
    -- "$java" "${options[@]}" "${main[@]}" -- "${warm[@]}"
  "$benchmark" --rounds "$rounds" --warmups 1 --dir "$work" --fresh "$work/$name-first.jsa" \
    --title "$name, first start: archive written at exit" "java -cp" "writing archive" \
    -- "$java" "${options[@]}" "${main[@]}" -- "${first[@]}"
  echo "  archive: $(stat -c %s "$archive") bytes"
}

subject javac 0.75 "${javac_options[@]}" -- "${javac_main[@]}"
subject maven 0.92 "${maven_options[@]}" -- "${maven_main[@]}"
