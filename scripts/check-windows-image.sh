#!/usr/bin/env bash
# Fails unless a Windows executable has the expected machine type and
# subsystem ("console", 3, or "windows", the GUI subsystem, 2) and imports only
# DLLs that ship with Windows.
set -euo pipefail
program=$1 machine=$2 subsystem=$3
dump=$(x86_64-w64-mingw32-objdump -p "$program")
file_format=$(x86_64-w64-mingw32-objdump -f "$program" | sed -n 's/.*file format //p')
subsystem_field=$(sed -n 's/^Subsystem[[:space:]]*\([0-9a-fA-F]*\).*/\1/p' <<<"$dump")
dlls=$(sed -n 's/.*DLL Name: //p' <<<"$dump" | tr 'A-Z' 'a-z' | sort -u)
echo "$program: $file_format; subsystem $((16#$subsystem_field)); imports: $(echo $dlls)"
case "$machine:$file_format" in
  x86-64:pei-x86-64|i386:pei-i386) ;;
  *) echo "unexpected machine type: $file_format (wanted $machine)" >&2; exit 1 ;;
esac
case "$subsystem:$((16#$subsystem_field))" in
  console:3|windows:2) ;;
  *) echo "unexpected subsystem: $((16#$subsystem_field)) (wanted $subsystem)" >&2; exit 1 ;;
esac
windows_dlls="kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll comctl32.dll comdlg32.dll ole32.dll
  shlwapi.dll msvcrt.dll dbghelp.dll version.dll"
for dll in $dlls; do
  grep -qw "$dll" <<<"$windows_dlls" || { echo "$program needs $dll, which Windows does not ship" >&2; exit 1; }
done
