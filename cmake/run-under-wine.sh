#!/usr/bin/env bash
# Runs one Windows program under 64-bit Wine in a prefix of its own, then ends
# that prefix's server and removes the prefix. CTest uses it as the emulator of
# the Windows builds. Output goes through files so that no pipe of ours is ever
# inherited by a wineserver (which would keep the caller waiting for ever).
set -u
wine=/usr/lib/wine/wine64
prefix=$(mktemp -d "${TMPDIR:-/tmp}/launcher-wine.XXXXXX")
# No display, as on a build machine: a window would wait for a user. The
# dialog test brings its own X server.
unset DISPLAY
export WINEPREFIX="$prefix" WINEARCH=win64 WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
out="$prefix.out" err="$prefix.err"
cleanup() { wineserver -k >/dev/null 2>&1; rm -rf "$prefix" "$out" "$err"; }
trap cleanup EXIT

"$wine" wineboot -i >/dev/null 2>&1 </dev/null
"$wine" wineboot -s >/dev/null 2>&1 </dev/null
wineserver -w >/dev/null 2>&1 </dev/null
wineserver -p >/dev/null 2>&1 </dev/null

"$wine" "$@" >"$out" 2>"$err" </dev/null
status=$?
cat "$out"
cat "$err" >&2
exit $status
