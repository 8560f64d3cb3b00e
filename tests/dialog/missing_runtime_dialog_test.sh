#!/usr/bin/env bash
# The missing-runtime dialog as a user meets it: a launch that finds no
# runtime shows it on an X server of its own under Wine; the test reads it back
# from the running windows, drives it with real mouse clicks and key presses,
# and captures it in a screenshot. Then the windowed launcher: its errors in a
# message box, read back and captured the same way, or, started from a
# console or with standard output redirected, on them and without a box.
#
# Usage: missing_runtime_dialog_test.sh <launcher.exe> <launcherw.exe> <dialog_probe.exe> <hyperlink_tests.exe>
#          [dialog.png] [message-box.png]
# Makes and removes its own Wine prefix and X server; runs the hyperlink
# control's own tests on that server too.
set -u
launcher=$1 windowed=$2 probe=$3 hyperlink_tests=$4 screenshot=${5:-} box_screenshot=${6:-}
here=$(cd "$(dirname "$0")" && pwd)
address=$(sed -n 's/^#define JAVA_DOWNLOAD_ADDRESS "\(.*\)"$/\1/p' "$here/../../src/resources/missing_runtime_dialog.h")
wine=/usr/lib/wine/wine64
caption="JRE Not Found"
browser_caption="Browse for Folder"
failed=255  # the launcher's -1
not_found="The Java Runtime Environment (JRE) was not found. Please  download and install a JRE"

work=$(mktemp -d "${TMPDIR:-/tmp}/missing-runtime-dialog.XXXXXX")
export WINEPREFIX=$work/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset DISPLAY
xvfb_pid=
cleanup() {
  wineserver -k >/dev/null 2>&1
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

. "$here/../checks.sh"

# --- Wine programs; their output goes through files, never through our pipes.
run_wine() { "$wine" "$@" >"$work/wine.out" 2>/dev/null </dev/null; }
probe() {
  run_wine "$probe" "$@"
  local status=$?
  tr -d '\r' <"$work/wine.out"
  return $status
}
registry() { run_wine reg add "$1" /v "$2" /d "$3" /f; }

# --- The launcher, installed in C:\app with settings written per case.
# The settings: a main class, the given lines of the runtime section, and a
# product whose per-user settings file is where "JRE Path" is remembered.
settings() {
  {
    printf '[Java Runtime Environment]\r\nMain Class=app.Main\r\n'
    printf '%s\r\n' "$@"
    printf '[Product Information]\r\nProduct Name=Dialog Test\r\nProduct Code=T1\r\n'
  } >"$app/launcher.ini"
}
launch() { "$wine" "$app/${1:-launcher}.exe" >"$work/out" 2>/dev/null </dev/null; }  # [launcherw]
launcher_output() { tr -d '\r' <"$work/out"; }
launch_in_background() {  # [launcherw]
  rm -f "$work/status"
  (launch "$@"; echo $? >"$work/status") &
}
# Starts a launch that is to show the dialog, and waits for it.
start_launcher() {
  launch_in_background
  probe wait "$caption" >/dev/null || fail "the dialog did not appear"
}
# The exit code of the launch once it has ended (20 seconds at most).
launcher_status() {
  for _ in $(seq 200); do
    [[ -s $work/status ]] && { cat "$work/status"; return; }
    sleep 0.1
  done
  echo "still running"
}
remembered_folder() {
  local file
  file=$(find "$drive_c/users" -path "*/Dialog Test/T1/launcher.ini" 2>/dev/null)
  [[ -n $file ]] && tr -d '\r' <"$file" | sed -n 's/^JRE Path=//p'
}

# --- The windowed launcher, C:\app\launcherw.exe, with the given lines as its settings.
windowed_settings() { printf '%s\r\n' "$@" >"$app/launcherw.ini"; }
# Starts it in the background through the probe: "start" as Explorer does (no
# console, no standard handles), or "console" from a console of its own.
start_windowed() {
  rm -f "$work/status"
  ("$wine" "$probe" "$1" 'C:\app\launcherw.exe' >"$work/started" 2>/dev/null </dev/null
    tr -d '\r' <"$work/started" | head -1 >"$work/status") &
}
# The text of the probe's console after a "console" start.
console_text() { tr -d '\r' <"$work/started" | tail -n +2; }
no_main_class="Main class was not specified in INI file."

# --- What the running dialog shows.
control() {  # id: the control's line "id|enabled|style|icon|text"
  probe controls "$caption" | grep "^$1|"
}
control_text() { control "$1" | cut -d'|' -f5-; }
control_state() { control "$1" | cut -d'|' -f2; }
click() {  # window caption, control id or "close"
  local point
  point=$(probe point "$1" "$2") || { fail "no $2 in $1"; return; }
  xdotool mousemove $point click 1
}
# Pixels of an exact colour (#RRGGBB) inside a control.
pixels_of() {  # id, colour
  import -window root -crop "$(probe area "$caption" "$1")" -depth 8 txt:- | grep -ci "$2"
}
# A message box's text and the red pixels of its icon: the error icon is a red disc.
box_text() { probe controls "$1" | grep '^65535|' | cut -d'|' -f5-; }
red_icon_pixels() {
  local icon
  icon=$(probe controls "$1" | grep '|icon|' | cut -d'|' -f1)
  [[ -n $icon ]] || { echo 0; return; }
  import -window root -crop "$(probe area "$1" "$icon")" -depth 8 txt:- |
    sed -n 's/^[^(]*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p' | awk '$1 > 180 && $2 < 110 && $3 < 110' | wc -l
}
# Chooses C:\<folder> in the folder browser with the keyboard: from the
# desktop to My Computer, down to drive C:, open it, type the folder's name.
browse_to() {
  click "$caption" 202
  probe wait "$browser_caption" >/dev/null || { fail "no folder browser"; return; }
  sleep 0.5
  xdotool key m Right Down Right
  sleep 0.5
  xdotool type --delay 120 "$1"
  sleep 0.3
  xdotool key Return
  probe gone "$browser_caption" >/dev/null || fail "the folder browser stayed open"
}

# --- A prefix of our own with the launcher and runtime folders on drive C:.
run_wine wineboot -i
wineserver -w
drive_c=$WINEPREFIX/drive_c
app=$drive_c/app
mkdir -p "$app" "$drive_c/empty-folder/bin" "$drive_c/client-jre/bin/client" "$drive_c/good-jre/bin/server"
cp "$launcher" "$app/launcher.exe"
cp "$windowed" "$app/launcherw.exe"
# Text files: a launch with one of them ends with the error line naming it.
echo "not a library" >"$drive_c/client-jre/bin/client/jvm.dll"
echo "not a library" >"$drive_c/good-jre/bin/server/jvm.dll"
# Wine draws the window frames itself (there is no window manager), in its own fonts.
registry 'HKCU\Software\Wine\X11 Driver' Managed N
registry 'HKCU\Software\Wine\X11 Driver' Decorated N
cp /usr/share/wine/fonts/*.ttf "$drive_c/windows/Fonts/" 2>/dev/null
# Opening the link runs a harmless program instead of a browser.
registry 'HKCU\Software\Wine\WineBrowser' Browsers true
wineserver -w

echo "== without a display the message is printed instead"
settings "Minimum Version=1.6"
launch
expect_equal "exit code without a display" $failed $?
expect_equal "error line without a display" "Error: $not_found (minimum version 1.6) from: $address " \
  "$(launcher_output)"
windowed_settings "[Product Information]" "Product Name=Windowed Test"
start_windowed start
expect_equal "exit code of the windowed launcher without a display" -1 "$(launcher_status)"
wineserver -w

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
xdpyinfo >/dev/null 2>&1 || { echo "FAIL: no X server"; exit 1; }

echo "== the hyperlink control"
"$wine" "$hyperlink_tests" >"$work/hyperlink.out" 2>&1 </dev/null ||
  { tr -d '\r' <"$work/hyperlink.out"; fail "hyperlink control tests"; }

echo "== the dialog states the requirement, links to the download page and waits for a runtime"
start_launcher
expect_equal "message" "$not_found (minimum version 1.6) from:" "$(control_text 203)"
expect_equal "link" "$address" "$(control_text 205)"
expect_equal "error icon" icon "$(control 204 | cut -d'|' -f4)"
expect_equal "OK" disabled "$(control_state 1)"
expect_equal "Cancel" enabled "$(control_state 2)"
expect_equal "JRE Path" "" "$(control_text 201)"
expect_equal "browse hint" "If you have a JRE installed you can browse for it below:" "$(control_text 206)"
(($(pixels_of 205 '#0000FF') > 50)) || fail "the link is not drawn in blue"
# Resting the mouse on the link shows the address as its tooltip.
xdotool mousemove $(probe point "$caption" 205)
sleep 0.2
xdotool mousemove_relative 1 1
sleep 1.5
expect_equal "tooltip" "$address" "$(probe tooltip)"
if [[ -n $screenshot ]]; then
  xdotool mousemove 0 0
  sleep 0.5
  import -window root -crop "$(probe area "$caption" window)" +repage "$screenshot"
fi
xdotool key Escape
expect_equal "exit code after Esc" $failed "$(launcher_status)"
expect_equal "output after Esc" "" "$(launcher_output)"

echo "== a server VM is required: a folder with only a client VM leaves OK disabled"
settings "Minimum Version=1.6.0_24" "Maximum Version=1.6.0_24" "JVM Type=server"
start_launcher
expect_equal "message" "$not_found with a server JVM (version 1.6.0.24 is required) from:" "$(control_text 203)"
browse_to client-jre
expect_equal "JRE Path after browsing" 'C:\client-jre' "$(control_text 201)"
expect_equal "OK for a client VM" disabled "$(control_state 1)"
click "$caption" 2
expect_equal "exit code after Cancel" $failed "$(launcher_status)"
expect_equal "output after Cancel" "" "$(launcher_output)"
expect_equal "folder remembered after Cancel" "" "$(remembered_folder)"

echo "== the user's link colours; a clicked link turns to the visited colour"
registry 'HKCU\Software\Microsoft\Internet Explorer\Settings' 'Anchor Color' '0,128,0'
registry 'HKCU\Software\Microsoft\Internet Explorer\Settings' 'Anchor Color Visited' '300,0,0'
settings "Minimum Version=1.6" "Maximum Version=1.6"
start_launcher
expect_equal "message" "$not_found (version between 1.6 and 1.6) from:" "$(control_text 203)"
(($(pixels_of 205 '#008000') > 50)) || fail "the link is not drawn in the user's colour"
click "$caption" 205
sleep 2
(($(pixels_of 205 '#2C0000') > 50)) || fail "the clicked link is not drawn in the visited colour"
expect_equal "pixels of the unvisited colour" 0 "$(pixels_of 205 '#008000')"
click "$caption" close
expect_equal "exit code after the close box" $failed "$(launcher_status)"

echo "== OK is enabled exactly while the browsed folder holds a VM library"
settings "Minimum Version=any" "Maximum Version=any"
start_launcher
expect_equal "message" "$not_found (latest version) from:" "$(control_text 203)"
browse_to empty-folder
expect_equal "JRE Path" 'C:\empty-folder' "$(control_text 201)"
expect_equal "OK without a library" disabled "$(control_state 1)"
browse_to good-jre
expect_equal "JRE Path" 'C:\good-jre' "$(control_text 201)"
expect_equal "OK with a library" enabled "$(control_state 1)"
browse_to empty-folder
expect_equal "OK after browsing away" disabled "$(control_state 1)"
browse_to good-jre
click "$caption" 1
# The run goes on with the chosen library, which is no real one here.
loaded='Error: Failed to load Java VM library: C:\good-jre\bin\server\jvm.dll'
expect_equal "exit code after OK" $failed "$(launcher_status)"
expect_equal "library loaded after OK" "$loaded" "$(launcher_output | head -1 | sed 's/ (errno.*//')"
expect_equal "folder remembered in the per-user settings" 'C:\good-jre\' "$(remembered_folder)"

echo "== the next launch takes the remembered folder without asking"
launch_in_background
expect_equal "exit code of the next launch" $failed "$(launcher_status)"
expect_equal "library loaded at the next launch" "$loaded" "$(launcher_output | head -1 | sed 's/ (errno.*//')"

echo "== the windowed launcher shows an error in a message box named after the product"
windowed_settings "[Product Information]" "Product Name=Windowed Test"
start_windowed start
probe wait "Windowed Test" >/dev/null || fail "no message box"
expect_equal "message box text" "$no_main_class" "$(box_text "Windowed Test")"
(($(red_icon_pixels "Windowed Test") > 50)) || fail "the message box shows no error icon"
if [[ -n $box_screenshot ]]; then
  xdotool mousemove 0 0
  sleep 0.5
  import -window root -crop "$(probe area "Windowed Test" window)" +repage "$box_screenshot"
fi
xdotool key Return
expect_equal "exit code after the message box" -1 "$(launcher_status)"

echo "== without a product name the message box is named after the executable"
windowed_settings "[Java Runtime Environment]" "Main Class=app.Main" 'JRE Path=C:\good-jre'
start_windowed start
probe wait launcherw >/dev/null || fail "no message box named launcherw"
expect_equal "message box text" 'Failed to load Java VM library: C:\good-jre\bin\server\jvm.dll' \
  "$(box_text launcherw | sed 's/ (errno.*//')"
click launcherw 1
expect_equal "exit code after OK" -1 "$(launcher_status)"

echo "== a service started by a person rather than the service control manager says so in a message box"
windowed_settings "[Java Runtime Environment]" "Main Class=app.Main" 'JRE Path=C:\good-jre' \
  "[Application]" "Application Type=service"
start_windowed start
probe wait launcherw >/dev/null || fail "no message box for the service"
expect_equal "message box text" "This program runs as a Windows service and must be started by the service control manager" \
  "$(box_text launcherw | sed 's/ (errno.*//')"
click launcherw 1
expect_equal "exit code after OK" -1 "$(launcher_status)"

echo "== started from a console, the windowed launcher writes the error line there and shows no box"
windowed_settings "[Java Runtime Environment]" "Main Class="
start_windowed console
expect_equal "exit code from a console" -1 "$(launcher_status)"
expect_equal "console" "Error: $no_main_class" "$(console_text | sed '/^$/d')"

echo "== with standard output redirected, as a script's, the error line is in the file and no box appears"
launch_in_background launcherw
expect_equal "exit code redirected" $failed "$(launcher_status)"
expect_equal "error line redirected" "Error: $no_main_class " "$(launcher_output)"

echo "== the windowed launcher still asks for a runtime"
settings "Minimum Version=1.6"
cp "$app/launcher.ini" "$app/launcherw.ini"
start_windowed start
probe wait "$caption" >/dev/null || fail "the windowed launcher showed no dialog"
expect_equal "message" "$not_found (minimum version 1.6) from:" "$(control_text 203)"
xdotool key Escape
expect_equal "exit code after Esc" -1 "$(launcher_status)"

finish_checks
