#!/usr/bin/env bash
# Writes the sample folder that scripts/run.sh and the window's screenshots archive: a small
# game modification with worlds, models, textures, a sprite and attribute files.
#   make-sample.sh <folder>     (made afresh)
set -euo pipefail
sample=$1
rm -rf "$sample"
# Archives keep names in upper case, so the sample uses upper-case names and round-trips exactly.
mkdir -p "$sample/WORLDS/MULTI" "$sample/TEXTURES/SKINS" "$sample/ATTRIBUTES" "$sample/MODELS"
printf 'single player world\n' >"$sample/WORLDS/MAP01.DAT"
head -c 200000 /dev/urandom >"$sample/WORLDS/MULTI/DM_ARENA.DAT"
head -c 96000 /dev/urandom >"$sample/WORLDS/MULTI/CTF_BASE.DAT"
textures=$(dirname "${BASH_SOURCE[0]}")/make-texture.py
/usr/bin/python3 "$textures" "$sample/TEXTURES/WALL.DTX" bricks
/usr/bin/python3 "$textures" "$sample/TEXTURES/SKINS/HERO.DTX" skin
head -c 70000 /dev/urandom >"$sample/MODELS/HERO.ABC"
head -c 52000 /dev/urandom >"$sample/MODELS/RIFLE.LTB"
printf 'Health=100\nArmor=50\n' >"$sample/ATTRIBUTES/WEAPONS.TXT"
head -c 2600 /dev/urandom >"$sample/FIRE.SPR"
head -c 33000 /dev/urandom >"$sample/LOBBY.DAT"
/usr/bin/python3 "$textures" "$sample/CRATE.DTX" crate
printf 'sample archive\n' >"$sample/README.TXT"
