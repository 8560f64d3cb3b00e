#!/usr/bin/env bash
# Brands executables with both builds of launcher-brand, the Linux one and the
# Windows one under Wine, and judges the results with tools nobody here wrote:
# objdump reads the headers and sections, wrestool extracts the icon and every
# other resource, and a probe under Wine reads the version resource, the
# message and the dialog as Windows programs do. A branded launcher must still
# start: its bare launch prints the missing-main-class line. Bad input must be
# refused with its message and leave no OUTPUT.
#
# Usage: branding_test.sh <folder> <linux-tool> <windows-tool> <resource-probe.exe> <icon.ico> <input>...
# Each input is launcher:<file> or program:<file>; each is branded as built
# and stripped. The branded files stay in <folder> as <machine>-<name>
# (x86-64-launcher.exe, i386-launcher-stripped.exe, ...) for later tests.
set -u
folder=$1 linux_tool=$2 windows_tool=$3 probe=$4 icon=$5
shift 5
wine=/usr/lib/wine/wine64
objdump=x86_64-w64-mingw32-objdump objcopy=x86_64-w64-mingw32-objcopy
missing_main_class="Error: Main class was not specified in INI file. "

work=$(mktemp -d "${TMPDIR:-/tmp}/branding.XXXXXX")
# Wine reads the tools' arguments in the locale's encoding.
export LC_ALL=C.UTF-8
export WINEPREFIX=$work/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset DISPLAY
cleanup() {
  wineserver -k >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT

. "$(dirname "$0")/../checks.sh"

# --- The two tools; each leaves its standard error in $work/tool.err.
# Wine programs' output goes through files, never through our pipes.
brand_linux() { "$linux_tool" "$@" >/dev/null 2>"$work/tool.err" </dev/null; }
brand_windows() { "$wine" "$windows_tool" "$@" >/dev/null 2>"$work/tool.err" </dev/null; }
tools=(brand_linux brand_windows)

# Every option at once: a name given twice keeps its last value.
options=(--icon "$icon" --file-version 1.2.3.4 --product-version 5.6.70.65535
         --string "CompanyName=First Name" --string "CompanyName=Acme Ltd"
         --string "ProductName=Grüße Ωmega 製品" --string "FileDescription=The Acme application"
         --string "LegalCopyright=© 2026 Acme Ltd" --string "OriginalFilename=acme.exe"
         --string "InternalName=acme" --string "Comments=Branded by its test" --dpi-aware)
expected_version="file version: 1.2.3.4
product version: 5.6.70.65535
translation: 040904B0
CompanyName: Acme Ltd
FileDescription: The Acme application
FileVersion: 1.2.3.4
InternalName: acme
LegalCopyright: © 2026 Acme Ltd
OriginalFilename: acme.exe
ProductName: Grüße Ωmega 製品
ProductVersion: 5.6.70.65535
Comments: Branded by its test
version resources: 1, languages of #1: 0409"

# --- The judges.
probe() {  # file: what the probe reads from it
  "$wine" "$probe" "$1" 210 201 >"$work/probe.out" 2>/dev/null </dev/null || echo "probe failed"
  tr -d '\r' <"$work/probe.out"
}
field() { sed -n "s/^$1: //p"; }  # the value of a probe line
header() { sed -n "s/^$1[[:space:]]\+\([0-9a-f]*\).*/\1/p"; }  # a hexadecimal field of objdump -p
sections() {  # file: one line per section: name, size, address, file offset, whether it has contents
  "$objdump" -h "$1" | awk '/^ *[0-9]+ / { name = $2; line = $2 " " $3 " " $4 " " $6; next }
                            name != "" { print line " " ($1 == "CONTENTS," ? "contents" : "empty"); name = "" }'
}
section_bytes() {  # file, section, into
  "$objcopy" --dump-section "$2=$3" "$1" "$work/objcopy.out" 2>/dev/null
}
icon_images() {  # .ico file: one line per image, its directory fields and its bytes' digest
  local file=$1 count k entry size offset
  count=$(od -An -tu2 -j4 -N2 "$file" | tr -d ' ')
  for ((k = 0; k < count; k++)); do
    entry=$((6 + 16 * k))
    size=$(od -An -tu4 -j$((entry + 8)) -N4 "$file" | tr -d ' ')
    offset=$(od -An -tu4 -j$((entry + 12)) -N4 "$file" | tr -d ' ')
    echo "$(od -An -tx1 -j$entry -N8 "$file") $size $(tail -c +$((offset + 1)) "$file" | head -c "$size" | sha256sum)"
  done
}
resources() { wrestool -l "$1" | sed 's/ \[.*//'; }  # file: one line per resource, as wrestool's options
symbol_count() { "$objdump" -t "$1" | grep -c '^\['; }

# objdump reads the headers without complaint, and they describe the file:
# sections adjacent in memory and aligned in the file, the image size, the
# resource directory on the resource section, and the symbol table intact.
check_headers() {  # input, output
  local input=$1 output=$2 dump=$work/headers
  "$objdump" -p -h "$output" >"$dump" 2>"$dump.err" || fail "$output: objdump cannot read it"
  [[ -s $dump.err ]] && fail "$output: objdump says: $(head -3 "$dump.err")"
  local base section_alignment file_alignment image_size
  base=$((0x$(header ImageBase <"$dump")))
  section_alignment=$((0x$(header SectionAlignment <"$dump")))
  file_alignment=$((0x$(header FileAlignment <"$dump")))
  image_size=$((0x$(header SizeOfImage <"$dump")))
  local name size address offset contents next=-1 end=0 directory_address directory_size
  while read -r name size address offset contents; do
    size=$((0x$size)) address=$((0x$address - base)) offset=$((0x$offset))
    ((next < 0 || address == next)) || fail "$output: $name is not adjacent to the section before it"
    ((offset % file_alignment == 0)) || fail "$output: $name is not aligned in the file"
    next=$(((address + size + section_alignment - 1) / section_alignment * section_alignment))
    end=$next
    if [[ $name == .rsrc ]]; then
      read -r directory_address directory_size < <(sed -n 's/^Entry 2 \([0-9a-f]*\) \([0-9a-f]*\) .*/\1 \2/p' "$dump")
      expect_equal "$output: resource directory" "$address $size" "$((0x$directory_address)) $((0x$directory_size))"
    elif [[ $contents == contents ]]; then
      section_bytes "$input" "$name" "$work/before" && section_bytes "$output" "$name" "$work/after" &&
        cmp -s "$work/before" "$work/after" || fail "$output: the contents of $name changed"
    fi
  done < <(sections "$output")
  expect_equal "$output: image size" $end $image_size
  expect_equal "$output: sections" "$(sections "$input" | cut -d' ' -f1)" "$(sections "$output" | cut -d' ' -f1)"
  expect_equal "$output: symbols" "$(symbol_count "$input")" "$(symbol_count "$output")"
}

# wrestool finds the icon as given, and every resource that branding does not
# change as it was; the manifest differs by the DPI declaration alone.
check_resources() {  # input, output
  local input=$1 output=$2 resource
  wrestool -x -t 14 "$output" >"$work/extracted.ico" 2>/dev/null
  expect_equal "$output: icon images" "$(icon_images "$icon")" "$(icon_images "$work/extracted.ico")"
  while read -r resource; do
    case $resource in --type=3\ * | --type=14\ * | --type=16\ * | --type=24\ *) continue ;; esac
    cmp -s <(wrestool -x --raw $resource "$input") <(wrestool -x --raw $resource "$output") ||
      fail "$output: resource $resource changed"
  done < <(resources "$input")
  if resources "$input" | grep -q -- '--type=24 '; then
    cmp -s <(wrestool -x --raw -t 24 "$input") \
      <(wrestool -x --raw -t 24 "$output" | sed '/<application /,/<\/application>/d') ||
      fail "$output: the manifest changed beyond its DPI awareness"
  fi
}

# The probe reads the version resource as given, the icon group first, the
# message and the dialog as in the input, and a checksum that holds.
check_probe() {  # input, output
  local input=$1 output=$2 before after group
  before=$(probe "$input") after=$(probe "$output")
  expect_equal "$output: version" "$expected_version" "$(sed -n '/^file version/,/^version resources/p' <<<"$after")"
  group=$(field 'first icon group' <<<"$before" | cut -d, -f1)
  [[ $group == none ]] && group="#1"
  expect_equal "$output: icon" "$group, icon images: 4" "$(field 'first icon group' <<<"$after")"
  expect_equal "$output: string and dialog" "$(grep -E '^(string|dialog) ' <<<"$before")" \
    "$(grep -E '^(string|dialog) ' <<<"$after")"
  expect_equal "$output: manifest" "present, DPI awareness declared" "$(field manifest <<<"$after")"
  expect_equal "$output: checksum" "as computed" "$(field checksum <<<"$after")"
}

check_bare_launch() {  # launcher: started in an empty folder
  mkdir -p "$work/empty" && rm -f "$work/empty"/*
  cp "$1" "$work/empty/$(basename "$1")"
  "$wine" "$work/empty/$(basename "$1")" >"$work/launch.out" 2>/dev/null </dev/null
  expect_equal "$1: exit code of a bare launch" 255 $?
  expect_equal "$1: output of a bare launch" "$missing_main_class" "$(tr -d '\r' <"$work/launch.out")"
}

# --- Every input, as built and stripped.
for file in "$linux_tool" "$windows_tool" "$probe"; do
  [[ -x $file ]] || fail "$file is missing: build its preset first (scripts/build.sh)"
done
"$wine" wineboot -i >/dev/null 2>&1 </dev/null
wineserver -w
rm -rf "$folder" && mkdir -p "$folder"
first_launcher=
for input in "$@"; do
  role=${input%%:*} built=${input#*:}
  [[ -f $built ]] || { fail "$built is missing: build its preset first (scripts/build.sh)"; continue; }
  machine=$("$objdump" -f "$built" | sed -n 's/.*file format pei-//p')
  name=$(basename "$built" .exe)
  strip=$([[ $machine == x86-64 ]] && echo x86_64-w64-mingw32-strip || echo i686-w64-mingw32-strip)
  stripped=$work/$machine/$name-stripped.exe
  mkdir -p "$work/$machine" && "$strip" -o "$stripped" "$built"
  [[ $role == launcher && -z $first_launcher ]] && first_launcher=$built
  for variant in "$built" "$stripped"; do
    output=$folder/$machine-$(basename "$variant")
    echo "== $output"
    digest=$(sha256sum <"$variant")
    for tool in "${tools[@]}"; do
      "$tool" "${options[@]}" "$variant" "$work/$tool.exe" || fail "$tool: $(cat "$work/tool.err")"
    done
    cmp -s "$work/brand_linux.exe" "$work/brand_windows.exe" || fail "$output: the two tools' outputs differ"
    mv "$work/brand_windows.exe" "$output"
    expect_equal "$variant: unchanged" "$digest" "$(sha256sum <"$variant")"
    echo "   $(stat -c %s "$variant") bytes before, $(stat -c %s "$output") after"
    check_headers "$variant" "$output"
    check_resources "$variant" "$output"
    check_probe "$variant" "$output"
    [[ $role == launcher && $machine == x86-64 ]] && check_bare_launch "$output"
    # Branding a branded file again changes nothing.
    brand_linux "${options[@]}" "$output" "$work/again.exe" && cmp -s "$output" "$work/again.exe" ||
      fail "$output: branding it again changed it"
  done
done

echo "== without options the resources stay as they are, the manifest too"
brand_linux "$first_launcher" "$work/plain.exe" || fail "branding without options: $(cat "$work/tool.err")"
cmp -s <(wrestool -x --raw -t 24 "$first_launcher") <(wrestool -x --raw -t 24 "$work/plain.exe") ||
  fail "the manifest changed though --dpi-aware was not given"
expect_equal "resources without options" "$(resources "$first_launcher")" "$(resources "$work/plain.exe")"

# --- Bad input: a message on standard error, exit code 1 and no OUTPUT.
bad=$work/bad
mkdir -p "$bad"
echo "not an executable" >"$bad/text.exe"
head -c 300000 "$first_launcher" >"$bad/cut.exe"
head -c -100 "$first_launcher" >"$bad/cut-symbols.exe"
echo "not an icon" >"$bad/text.ico"
head -c 30 "$icon" >"$bad/cut.ico"
# A stand-in signature: a certificate table at the end of the file, named by
# the fifth entry of the data directory.
le32() {  # a 32-bit number's bytes, the lowest first
  local shift
  for shift in 0 8 16 24; do printf "\\x$(printf %02x $(($1 >> shift & 255)))"; done
}
cp "$first_launcher" "$bad/signed.exe"
pe=$(od -An -tu4 -j60 -N4 "$bad/signed.exe" | tr -d ' ')
magic=$(od -An -tx2 -j$((pe + 24)) -N2 "$bad/signed.exe" | tr -d ' ')
certificates=$((pe + 24 + (16#$magic == 0x20b ? 112 : 96) + 4 * 8))
{ le32 "$(stat -c %s "$bad/signed.exe")"; le32 16; } |
  dd of="$bad/signed.exe" bs=1 seek=$certificates conv=notrunc 2>/dev/null
{ le32 16; printf '\x00\x02\x02\x00'; le32 0; le32 0; } >>"$bad/signed.exe"

refuses() {  # what, message, arguments...
  local what=$1 message=$2 tool
  shift 2
  for tool in "${tools[@]}"; do
    rm -f "$bad/out.exe"
    "$tool" "$@" "$bad/out.exe"
    expect_equal "$tool, $what: exit code" 1 $?
    grep -qF -- "$message" "$work/tool.err" || fail "$tool, $what: no \"$message\" in: $(cat "$work/tool.err")"
    [[ -e $bad/out.exe ]] && fail "$tool, $what: OUTPUT was written"
    ls "$bad" | grep -q partial && fail "$tool, $what: a partial file was left"
  done
}
echo "== bad input is refused"
refuses "a text file" "text.exe: not a PE image" "$bad/text.exe"
refuses "an image cut short" "cut.exe: the PE image is cut short" "$bad/cut.exe"
refuses "an image cut in its symbols" "cut-symbols.exe: the PE image is cut short" "$bad/cut-symbols.exe"
refuses "a text file as the icon" "text.ico: not an icon file" --icon "$bad/text.ico" "$first_launcher"
refuses "an icon cut in its directory" "cut.ico: the icon file's image directory is cut short" \
  --icon "$bad/cut.ico" "$first_launcher"
refuses "a version of three numbers" "--file-version: not a version of four numbers up to 65535" \
  --file-version 1.2.3 "$first_launcher"
refuses "a version part over 65535" "--product-version: not a version of four numbers up to 65535" \
  --product-version 1.2.3.65536 "$first_launcher"
refuses "an unknown option" "unknown option --colour" --colour red "$first_launcher"
refuses "a signed executable" "the executable is signed, and branding would break its signature: brand it first" \
  "$bad/signed.exe"

finish_checks
