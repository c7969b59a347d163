#!/usr/bin/env bash
# Script tests of tarvex edit, cat and selective /X: building, editing and taking apart an
# archive on Linux with names in code page 1252. Usage: tarvex_edit.sh path/to/tarvex
source "$(dirname "${BASH_SOURCE[0]}")/script_common.sh"
# Runs tarvex with no terminal on stdin (unless stdin is given); keeps stdout, stderr, status.
run() {
    timeout 60 "$tarvex" "$@" </dev/null >out.txt 2>err.txt
    status=$?
}
run_in() {  # input-file args...
    local input=$1
    shift
    timeout 60 "$tarvex" "$@" <"$input" >out.txt 2>err.txt
    status=$?
}
ok() { [ "$status" = 0 ] || fail "$1: exit status $status: $(cat err.txt)"; }
# Saved, with items left out.
partly() { [ "$status" = 1 ] || fail "$1: exit status $status, expected 1: $(cat err.txt)"; }
failed() { [ "$status" != 0 ] || fail "$1: succeeded"; }
listed() { "$tarvex" /L "$1" 2>/dev/null; }
# The archive bytes match the given Perl pattern (\xNN for a byte).
holds_bytes() { LC_ALL=C grep -qaP "$2" "$1"; }

mkdir -p "maps/Été" "maps/deathmatch" skins
printf 'arena data' >"maps/deathmatch/arena.dat"
printf 'summer' >"maps/Été/plage.dat"
printf 'sk' >"skins/straße.dtx"
printf 'euro' >"skins/€uro.dtx"
printf 'omega' >"skins/Ωmega.dtx"

# A missing archive starts empty, named after the file; one command, then the save.
run edit pack.rez mkdir Worlds/Multi
ok "mkdir on a new archive"
[ "$(listed pack.rez | head -3)" = $'pack\\\npack\\WORLDS\\\npack\\WORLDS\\MULTI\\' ] ||
    fail "new archive layout: $(listed pack.rez)"

# A script: comments, blank lines, quotes; a name with no 1252 form is skipped, the rest added.
cat >build.txt <<EOF
# the map pack
add Worlds/Multi "$work/maps/deathmatch"

add "Worlds/Single Player" "$work/maps/Été"
add Skins "$work/skins/straße.dtx" "$work/skins/€uro.dtx" "$work/skins/Ωmega.dtx"
rename skins/STRAßE.DTX Straße2.dtx
EOF
run edit pack.rez --script build.txt
partly "the build script"
grep -q "Error adding: $work/skins/Ωmega.dtx" err.txt || fail "unconvertible name reported: $(cat err.txt)"
listed pack.rez >list.txt
grep -q '^pack\\WORLDS\\SINGLE PLAYER\\ÉTé\\$' list.txt || fail "accented folder listed in UTF-8: $(cat list.txt)"
grep -q ' PLAGE.DAT$' list.txt && grep -q ' STRAßE2.DTX$' list.txt && grep -q ' €URO.DTX$' list.txt ||
    fail "entries listed in UTF-8: $(cat list.txt)"
grep -q 'MEGA' list.txt && fail "the name without a 1252 form was added"
holds_bytes pack.rez '\xc9T\xe9\x00' || fail "É and é stored as the bytes C9 and E9"
holds_bytes pack.rez 'STRA\xdfE2\x00' || fail "ß stored as the byte DF"
holds_bytes pack.rez '\x80URO\x00' || fail "€ stored as the byte 80"

# cat: one entry's bytes, the path in any case and with either separator.
"$tarvex" cat pack.rez 'worlds\multi\DEATHMATCH/Arena.dat' >arena.out 2>/dev/null ||
    fail "cat exits with success"
cmp -s arena.out maps/deathmatch/arena.dat || fail "cat writes the entry's data"
run cat pack.rez "Worlds/Single Player/Été/plage.dat"
ok "cat with accents"
[ "$(cat out.txt)" = summer ] || fail "cat of an accented path"
run cat pack.rez worlds/missing.dat
failed "cat of a missing entry"

# Identifiers, times and data of untouched entries survive an edit.
listed pack.rez | grep ' ARENA.DAT$' >before.txt
listed_time=$(grep -o '[0-9-]* [0-9:]*' before.txt)
run edit pack.rez rename Skins/€uro.dtx euro.dtx
ok "rename"
listed pack.rez | grep ' ARENA.DAT$' >after.txt
cmp -s before.txt after.txt || fail "identifier and time kept: $(cat before.txt) / $(cat after.txt)"
[ -n "$listed_time" ] || fail "listing shows times"
"$tarvex" cat pack.rez Worlds/Multi/deathmatch/arena.dat | cmp -s - maps/deathmatch/arena.dat ||
    fail "data kept through the edit"

# The transaction: a failing last line leaves the file byte for byte as it was.
cp pack.rez kept.rez
printf 'mkdir Extra\ndelete Skins\nmove Worlds Worlds/Multi\n' >bad.txt
run edit pack.rez --script bad.txt
failed "a refused move"
cmp -s pack.rez kept.rez || fail "the archive changed after a failed script"
grep -q '^tarvex: line 3: move Worlds Worlds/Multi: refused' err.txt || fail "failure names the line: $(cat err.txt)"
for bad in "frobnicate x" "delete nothing/here" "add / $work/no-such-file" 'mkdir "open'; do
    printf 'mkdir Extra\n%s\n' "$bad" >bad.txt
    run_in bad.txt edit pack.rez --script -
    failed "script line: $bad"
    grep -q "^tarvex: line 2: " err.txt || fail "line number for: $bad: $(cat err.txt)"
done
cmp -s pack.rez kept.rez || fail "the archive changed after failed scripts"
ls | grep -q 'saving' && fail "a failed edit left a temporary file"

# Each command once more from the command line, options anywhere.
run edit pack.rez move Worlds/Multi/deathmatch "Worlds/Single Player"
ok "move a folder"
run edit pack.rez delete skins/euro.dtx "Worlds/Single Player/Été"
ok "delete an entry and a folder"
printf 'new arena' >maps/deathmatch/arena.dat
run --answer=no edit pack.rez add "Worlds/Single Player" maps/deathmatch
ok "add answered No"
run edit pack.rez cat
failed "an unknown edit command"
listed pack.rez >list.txt
grep -q '^pack\\WORLDS\\SINGLE PLAYER\\DEATHMATCH\\$' list.txt && ! grep -q 'EURO\|ÉTé' list.txt ||
    fail "move and delete: $(cat list.txt)"
[ "$("$tarvex" cat pack.rez "Worlds/Single Player/deathmatch/arena.dat")" = "arena data" ] ||
    fail "--answer=no kept the stored entry"
run edit pack.rez add "Worlds/Single Player" maps/deathmatch --answer=yes
ok "add answered Yes"
[ "$("$tarvex" cat pack.rez "Worlds/Single Player/deathmatch/arena.dat")" = "new arena" ] ||
    fail "--answer=yes replaced the entry"

# Selective extraction of a nested folder and one file, each where /X puts everything.
run /X pack.rez sel "worlds/single player/deathmatch" skins/straße2.dtx
ok "selective /X"
[ "$(cd sel && find . -type f | sort)" = $'./SKINS/STRAßE2.DTX\n./WORLDS/SINGLE PLAYER/DEATHMATCH/ARENA.DAT' ] ||
    fail "selected items only: $(cd sel && find . | sort)"
run /X pack.rez sel2 worlds/nothing
failed "selective /X of a missing item"
[ -e sel2 ] && fail "a missing item extracts nothing"

# A tree with a pipe and a link up: skipped, and nothing hangs.
mkdir -p odd/inner && printf 'fine' >odd/inner/fine.txt && mkfifo odd/pipe && ln -s .. odd/inner/up
run edit odd.rez add / odd
partly "a tree with a pipe"
grep -q "Error adding: odd/pipe" err.txt || fail "the pipe is reported: $(cat err.txt)"
[ "$(listed odd.rez | grep -c ' FINE.TXT$')" = 1 ] || fail "the link up was not followed: $(listed odd.rez)"

# Another code page; an archive name the default one cannot hold is refused on extraction.
printf 'cyr' >"ѓ.txt"
run edit cyr.rez add / "ѓ.txt" --codepage=1251
ok "--codepage=1251"
# Type field TXT, no keys, then the base name and its terminator and empty description.
holds_bytes cyr.rez 'TXT\x00{5}\x83\x00\x00' || fail "ѓ stored as the byte 83 in 1251"
run /X cyr.rez cyr_out --codepage=1251
ok "extract in 1251"
[ "$(cat "cyr_out/ѓ.TXT" 2>/dev/null)" = cyr ] || fail "1251 name extracted: $(ls cyr_out)"
printf 'x' >"Ѓ.txt"
run edit undef.rez add / "Ѓ.txt" --codepage=1251
run /X undef.rez undef_out
failed "a name with no 1252 form on extraction"
grep -q 'Extraction error on file' err.txt || fail "the unconvertible name is refused: $(cat err.txt)"
run /L pack.rez --codepage=99999
failed "an unknown code page"

# /E with a folder that does not exist yet; a save-as answered No leaves the file alone.
run edit flat.rez add / maps/deathmatch/arena.dat
run /E flat.rez --folder="$work/not/yet/there"
ok "/E into a missing folder"
[ "$(cat not/yet/there/ARENA.DAT)" = "new arena" ] || fail "/E wrote the root's file"
printf 'precious' >taken.rez
run /A maps/deathmatch --save-as="$work/taken.rez" --answer=no
failed "/A onto an existing file answered No"
[ "$(cat taken.rez)" = precious ] || fail "the existing file was overwritten"
grep -q 'taken.rez already exists.' err.txt || fail "the overwrite question was asked"

finish "all tarvex edit checks passed"
