#!/usr/bin/env bash
# Script tests of tarvex find: what it prints and its exit status.
# Usage: tarvex_find.sh path/to/tarvex
source "$(dirname "${BASH_SOURCE[0]}")/script_common.sh"

mkdir -p SRC/TEXTURES/WALLS SRC/WORLDS
: >SRC/TEXTURES/SKY.DTX
: >SRC/TEXTURES/WALLS/BRICK.DTX
: >SRC/WORLDS/DM1.DAT
"$tarvex" /C pack.rez "$work/SRC" </dev/null >/dev/null 2>&1 || fail "create"
printf 'not an archive' >broken.rez

# Each case: arguments|status|standard output (lines joined by ';'), in the order of /L: each
# new folder stands right after its parent, so WORLDS, made last, comes before TEXTURES.
while IFS='|' read -r arguments status expected; do
    read -ra words <<<"$arguments"
    set -f
    actual=$("$tarvex" find "${words[@]}" </dev/null 2>err.txt | paste -sd';')
    actual_status=${PIPESTATUS[0]}
    set +f
    [ "$actual_status" = "$status" ] || fail "find $arguments: status $actual_status, expected $status"
    [ "$actual" = "$expected" ] || fail "find $arguments: '$actual', expected '$expected'"
done <<'CASES'
pack.rez *.dtx|0|TEXTURES/SKY.DTX;TEXTURES/WALLS/BRICK.DTX
pack.rez walls dm?.*|0|WORLDS/DM1.DAT;TEXTURES/WALLS/
pack.rez textures\walls\*|0|TEXTURES/WALLS/BRICK.DTX
pack.rez */|0|WORLDS/;TEXTURES/;TEXTURES/WALLS/
pack.rez *.wav|1|
broken.rez *|2|
missing.rez *|2|
pack.rez|2|
CASES
"$tarvex" find broken.rez '*' </dev/null 2>err.txt >/dev/null
grep -q 'could not be read' err.txt || fail "a bad archive is named on standard error: $(cat err.txt)"

finish "tarvex find: every case passed"
