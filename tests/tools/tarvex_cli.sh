#!/usr/bin/env bash
# Script tests of the native tarvex command: create, list, extract, round trips and the
# command-line examples. Usage: tarvex_cli.sh path/to/tarvex
source "$(dirname "${BASH_SOURCE[0]}")/script_common.sh"
expect_status() {  # expected actual what
    [ "$1" = "$2" ] || fail "$3: exit status $2, expected $1"
}
# Runs tarvex with no terminal on stdin; keeps stdout, stderr and the status.
run() {
    "$tarvex" "$@" </dev/null >out.txt 2>err.txt
    status=$?
}

# Archive names are stored in upper case, so the sample tree is upper case already.
mkdir -p SRC/WORLDS/MULTI SRC/TEXTURES "SRC/SOUND FX"
printf 'world one' >SRC/WORLDS/MAP01.DAT
head -c 70000 /dev/urandom >SRC/WORLDS/MULTI/DM_ARENA.DAT
head -c 3000 /dev/urandom >SRC/TEXTURES/WALL.DTX
: >SRC/TEXTURES/EMPTY.DTX
printf 'boom' >"SRC/SOUND FX/BANG 2.WAV"
printf 'readme' >SRC/README.TXT

# Round trip of a real folder: create, list, extract, compare.
run /C tree.rez "$work/SRC"
expect_status 0 $status "create"
run /L tree.rez
expect_status 0 $status "list"
grep -q '^tree\\WORLDS\\MULTI\\$' out.txt || fail "list shows the folder path: $(cat out.txt)"
grep -q ' 70000 .* DM_ARENA.DAT$' out.txt || fail "list shows size and name"
grep -q '^6 files, 73019 bytes$' out.txt || fail "list shows the totals"
run /X tree.rez "$work/OUT/deeper"
expect_status 0 $status "extract"
diff -r SRC OUT/deeper >/dev/null || fail "extracted tree differs from the source"

# Lower-case switch, dash switch, and the archive before the switch.
run /x tree.rez lower
expect_status 0 $status "/x"
diff -r SRC lower >/dev/null || fail "/x extracts like /X"
run tree.rez -X before
expect_status 0 $status "archive before the switch"
diff -r SRC before >/dev/null || fail "archive, switch, destination extracts"

# /XY is no switch: with -XY the archive is opened (listed); /XY itself is a path here.
run -XY tree.rez
expect_status 0 $status "-XY opens"
grep -q 'README.TXT' out.txt || fail "-XY lists the archive"
run /XY tree.rez
[ $status -ne 0 ] || fail "/XY is a path that does not exist"

# /C new.rez x.txt Maps: the folder becomes a subfolder, the file lands at the root.
mkdir -p Maps/Sub && printf 'm' >Maps/m.dat && printf 's' >Maps/Sub/s.dat && printf 'x' >x.txt
run /C new.rez x.txt Maps
expect_status 0 $status "/C with a file and a folder"
run /L new.rez
grep -q '^new\\$' out.txt && grep -q ' X.TXT$' out.txt && grep -q '^new\\MAPS\\SUB\\$' out.txt ||
    fail "/C layout: $(cat out.txt)"

# /A with one folder puts its contents at the root; the name comes from --save-as.
run /A Maps --save-as="$work/gathered.rez"
expect_status 0 $status "/A with --save-as"
run /L gathered.rez
grep -q '^gathered\\SUB\\$' out.txt && grep -q ' M.DAT$' out.txt || fail "/A layout: $(cat out.txt)"
run /A Maps
[ $status -ne 0 ] || fail "/A without a terminal or --save-as saves nothing and fails"
grep -q 'no terminal' err.txt || fail "/A says why it did not ask"

# /E asks for the folder: without a terminal it fails unless --folder answers.
run /E tree.rez
[ $status -ne 0 ] || fail "/E without an answer"
run /E tree.rez --folder="$work/E_OUT"
expect_status 0 $status "/E --folder"
mkdir -p E_CHECK && diff -r SRC E_OUT >/dev/null || fail "/E extracted tree"

# Replace prompt: without a terminal the first button (Yes) replaces; --answer=no keeps.
mkdir -p A B && printf 'first' >A/dup.txt && printf 'second!' >B/DUP.TXT
run /C dup.rez A/dup.txt B/DUP.TXT
expect_status 0 $status "replace answered Yes"
grep -q 'Would you like to replace' err.txt || fail "replace prompt shown on stderr"
run /X dup.rez DUP_YES
[ "$(cat DUP_YES/DUP.TXT)" = "second!" ] || fail "Yes replaces the entry"
run /C dup2.rez A/dup.txt B/DUP.TXT --answer=no
run /X dup2.rez DUP_NO
[ "$(cat DUP_NO/DUP.TXT)" = "first" ] || fail "No keeps the entry"

# Failures: a missing item, an unwritable target, a missing archive.
run /C partial.rez x.txt does-not-exist.txt
[ $status -ne 0 ] || fail "/C with a missing item reports failure"
grep -q 'Error adding: does-not-exist.txt' err.txt || fail "missing item message: $(cat err.txt)"
run /L partial.rez
grep -q ' X.TXT$' out.txt || fail "the rest is still saved"
run /C "$work/no/such/dir/new.rez" x.txt
[ $status -ne 0 ] || fail "/C whose save fails exits non-zero"
[ -s err.txt ] || fail "failed save says why"
run /X missing.rez OUT_MISSING
[ $status -ne 0 ] || fail "/X of a missing archive"
[ ! -e OUT_MISSING ] || fail "/X of a missing archive creates nothing"
printf 'not an archive' >bogus.rez
run /L bogus.rez
[ $status -ne 0 ] || fail "/L of a damaged archive"

# Usage.
run /?
expect_status 0 $status "/?"
grep -q '^Tarvex /X <RezFilename.Rez> <Destination Path>$' out.txt || fail "usage text"
run
[ $status -ne 0 ] || fail "no arguments prints the usage and fails"

finish "all tarvex command-line checks passed"
