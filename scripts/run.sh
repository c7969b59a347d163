#!/usr/bin/env bash
# The README's run command: installs what is missing, builds the native build, then creates,
# lists and extracts an archive of a generated sample folder with the real tarvex.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

echo "== setup"
bash "$root/scripts/setup.sh"
echo "== native build"
TARVEX_NATIVE_ONLY=1 bash "$root/scripts/build.sh"
tarvex="$root/build/native/tools/tarvex/tarvex"

work="$root/build/run-sample"
rm -rf "$work"
mkdir -p "$work"
sample="$work/SAMPLE"
echo "== sample folder: $sample"
# Archives keep names in upper case, so the sample uses upper-case names and round-trips exactly.
mkdir -p "$sample/WORLDS/MULTI" "$sample/TEXTURES/SKINS" "$sample/ATTRIBUTES"
printf 'single player world\n' >"$sample/WORLDS/MAP01.DAT"
head -c 200000 /dev/urandom >"$sample/WORLDS/MULTI/DM_ARENA.DAT"
head -c 16384 /dev/urandom >"$sample/TEXTURES/WALL.DTX"
head -c 4096 /dev/urandom >"$sample/TEXTURES/SKINS/HERO.DTX"
printf 'Health=100\nArmor=50\n' >"$sample/ATTRIBUTES/WEAPONS.TXT"
printf 'sample archive\n' >"$sample/README.TXT"
find "$sample" -type f | sort | sed "s|$work/||"

cd "$work"
echo "== tarvex /C sample.rez SAMPLE"
"$tarvex" /C sample.rez SAMPLE
ls -l sample.rez
echo "== tarvex /L sample.rez"
"$tarvex" /L sample.rez
echo "== tarvex /X sample.rez EXTRACTED"
"$tarvex" /X sample.rez EXTRACTED
echo "== diff -r SAMPLE EXTRACTED"
diff -r SAMPLE EXTRACTED
echo "The extracted tree is identical to the sample folder ($work)."
