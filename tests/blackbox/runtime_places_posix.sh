#!/bin/sh
# Runs a program on a machine whose usual runtime places hold only a test's
# runtimes: in a mount namespace of its own, /usr/lib/jvm, /usr/lib64/jvm,
# /usr/java and /opt/java show the folders of the same names below PLACES
# (made empty where the test made none; /usr is overlaid so that nothing on
# the machine changes), and JDK_VIEW shows the real JDK, so that runtimes
# made of links to it stay whole. The program runs with LAUNCHER_PATH as PATH.
# Usage: runtime_places_posix.sh PLACES JDK JDK_VIEW PROGRAM [ARGUMENT...]
set -e
places=$1 jdk=$2 view=$3
shift 3
exec /usr/bin/unshare --mount --propagation private /bin/sh -e -c '
  places=$1 jdk=$2 view=$3
  shift 3
  mkdir -p "$places/.usr-upper" "$places/.usr-work" "$view"
  /bin/mount --bind "$jdk" "$view"
  /bin/mount -t overlay overlay -o "lowerdir=/usr,upperdir=$places/.usr-upper,workdir=$places/.usr-work" /usr
  /bin/mount -t tmpfs tmpfs /opt
  for place in usr/lib/jvm usr/lib64/jvm usr/java opt/java; do
    mkdir -p "/$place" "$places/$place"
    /bin/mount --bind "$places/$place" "/$place"
  done
  PATH=$LAUNCHER_PATH exec "$@"
' sh "$places" "$jdk" "$view" "$@"
