#!/usr/bin/env bash
# Tarvex.exe's batch mode end to end under Wine: /C makes an archive of a folder and ends with
# exit code 0, equal byte for byte (folder times aside) to what the native tarvex makes of the
# same tree; /X extracts it again and ends; an archive named before the switch, with blanks
# in its name, as the Explorer extension passes it.
#   batch.sh Tarvex.exe native-tarvex same_archive.py
set -euo pipefail
tarvex_exe=$1 native=$2 compare=$3
run=$TARVEX_SOURCE_DIR/cmake/wine-run.sh
[ -x "$native" ] || { echo "the native tarvex is missing: $native (build/native first)"; exit 1; }
work=$(mktemp -d "${TMPDIR:-/tmp}/tarvex-batch.XXXXXX")
trap 'rm -rf "$work"' EXIT
windows() { printf 'Z:%s' "${1//\//\\}"; }

# Archives keep names in upper case, so the tree does and comes back the same.
tree=$work/TREE
mkdir -p "$tree/MY MAPS/MULTI" "$tree/SKINS/CHARACTERS" "$tree/EMPTY"
printf 'world one\n' >"$tree/MY MAPS/ARENA 1.DAT"
printf 'château\n' >"$tree/MY MAPS/CHÂTEAU.DAT"
head -c 300000 /dev/urandom >"$tree/MY MAPS/MULTI/DM_BIG.DAT"
head -c 4096 /dev/urandom >"$tree/SKINS/CHARACTERS/HERO.DTX"
: >"$tree/SKINS/ZERO.TXT"
printf 'readme\n' >"$tree/README"
touch -d '2005-01-31 13:45:07' "$tree/README"

echo "== Tarvex.exe /C out.rez TREE"
"$run" "$tarvex_exe" /C "$(windows "$work/out.rez")" "$(windows "$tree")"
[ -s "$work/out.rez" ] || { echo "no archive was made"; exit 1; }
(cd "$work" && "$native" /C native.rez TREE >/dev/null)
/usr/bin/python3 "$compare" "$work/out.rez" "$work/native.rez"

# The start registered the archive type for this Tarvex.exe; the Help command finds the manual
# through it, beside the program.
icon=$("$run" reg query 'HKCR\Tarvex.File\DefaultIcon' /ve | tr -d '\r' | sed -n 's/.*REG_SZ *//p')
program=$(printf '%s' "${icon%,0}" | sed 's/^Z://; s|\\|/|g')
[ "$program" -ef "$tarvex_exe" ] || { echo "the icon names $icon, not $tarvex_exe"; exit 1; }
[ -s "$(dirname "$program")/Tarvex Studio.chm" ] || { echo "no help file beside $program"; exit 1; }

echo "== Tarvex.exe /X out.rez EXTRACTED"
"$run" "$tarvex_exe" /x "$(windows "$work/out.rez")" "$(windows "$work/EXTRACTED")"
diff -r "$tree" "$work/EXTRACTED"
echo "the extracted tree is the folder's own"

echo "== Tarvex.exe \"My Sounds.rez\" /C \"My Sounds\""
sounds=$work/My\ Sounds
mkdir -p "$sounds/LOOPS"
head -c 5000 /dev/urandom >"$sounds/LOOPS/RAIN.WAV"
printf 'bang\n' >"$sounds/BANG.WAV"
"$run" "$tarvex_exe" "$(windows "$work/My Sounds.rez")" /C "$(windows "$sounds")"
(cd "$work" && "$native" "native sounds.rez" /C "My Sounds" >/dev/null)
/usr/bin/python3 "$compare" "$work/My Sounds.rez" "$work/native sounds.rez"
