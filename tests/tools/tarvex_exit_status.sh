#!/usr/bin/env bash
# The exit status of every command, as a script reads it: 0 every item stored, extracted or
# written; 1 the archive saved or the extraction run with items left out, each named on
# standard error; 2 the command failed and changed nothing. No to a replace question keeps the
# stored file (0); Cancel stops /C with what came before saved (1) and fails an edit (2); png
# ends as /X does.
#   tarvex_exit_status.sh path/to/tarvex
source "$(dirname "${BASH_SOURCE[0]}")/script_common.sh"

mkdir -p Plain Lang B
printf 'one' >Plain/ONE.DAT
# Names without a code page 1252 form and a pipe are skipped; the accented name is stored.
printf 'a' >"Lang/café.dat" && printf 'b' >"Lang/日本.dat" && mkfifo Lang/pipe
printf 'first' >dup.txt && printf 'second' >B/DUP.TXT
"$tarvex" /C pack.rez Plain >/dev/null 2>&1
printf 'not an archive' >bogus.rez
mkdir -p Blocked/ONE.DAT  # a folder where a file would be written
# Textures: a 1 x 1 palettised one, one of a version without a picture, and a text file.
mkdir -p Tex Bad
{ printf '\0\0\0\0\376\377\377\377\1\0\1\0'; head -c 1056 /dev/zero; printf '\5'; } >Tex/OK.DTX
printf 'no texture' >Tex/NOTE.TXT
{ printf '\0\0\0\0\375\377\377\377\4\0\4\0'; head -c 12 /dev/zero; } >Bad/BROKEN.DTX
"$tarvex" /C tex.rez Tex >/dev/null 2>&1
"$tarvex" /C mixed.rez Tex Bad >/dev/null 2>&1

# status | arguments (read by the shell) | a check that must hold afterwards
while IFS='|' read -r expected arguments check; do
    [[ -z $expected || $expected == "#"* ]] && continue
    cp pack.rez before.rez
    eval "set -- $arguments"
    timeout 60 "$tarvex" "$@" </dev/null >out.txt 2>err.txt
    status=$?
    [ "$status" = "$expected" ] || fail "tarvex $arguments: status $status, expected $expected: $(cat err.txt)"
    [ -z "$check" ] || eval "$check" || fail "tarvex $arguments: $check"
done <<'CASES'
0|/C all.rez Plain|
1|/C lang.rez Lang|grep -q 'Error adding: Lang/pipe' err.txt && grep -q 'Error adding: Lang/日本.dat' err.txt && "$tarvex" cat lang.rez café.dat >/dev/null
2|/C no/such/folder/new.rez Plain|[ ! -e no ]
0|/C kept.rez dup.txt B/DUP.TXT --answer=no|[ "$("$tarvex" cat kept.rez dup.txt)" = first ]
1|/C stopped.rez dup.txt B/DUP.TXT Plain/ONE.DAT --answer=cancel|[ "$("$tarvex" /L stopped.rez | tail -1)" = "1 files, 5 bytes" ]
0|/A Plain --save-as=gathered.rez|
1|/A Plain missing.txt --save-as=gathered2.rez|grep -q '^Error adding: missing.txt$' err.txt
2|/A Plain|[ ! -e Plain.rez ]
2|/A Plain --save-as=gathered.rez --answer=no|
0|/X pack.rez OUT|[ "$(cat OUT/ONE.DAT)" = one ]
1|/X pack.rez Blocked|grep -q 'Extraction error on file: Blocked/ONE.DAT' err.txt
2|/X missing.rez OUT2|[ ! -e OUT2 ]
2|/X pack.rez OUT3 No/Such/Item|[ ! -e OUT3 ]
0|/E pack.rez --folder=EOUT|
1|/E pack.rez --folder=Blocked|
2|/E pack.rez|
# png writes the textures' pictures as /X writes files, and nothing else.
0|png tex.rez PNG|[ -s PNG/OK.png ] && [ "$(ls PNG)" = OK.png ]
1|png mixed.rez PNG1|[ -s PNG1/TEX/OK.png ] && grep -q 'No picture in the texture, not written: PNG1/BAD/BROKEN.png' err.txt
0|png mixed.rez PNG2 tex/ok.dtx|[ "$(find PNG2 -type f)" = PNG2/TEX/OK.png ]
2|png missing.rez PNG3|[ ! -e PNG3 ]
2|png tex.rez PNG4 No/Such|[ ! -e PNG4 ]
2|png tex.rez|
# cat writes one file or nothing: never 1.
0|cat pack.rez one.dat|[ "$(cat out.txt)" = one ]
2|cat pack.rez none.dat|
2|cat bogus.rez one.dat|
0|/L pack.rez|
2|/L bogus.rez|
2|/L pack.rez --answer=maybe|
0|edit pack.rez add / dup.txt|
0|edit pack.rez add / B/DUP.TXT --answer=no|[ "$("$tarvex" cat pack.rez dup.txt)" = first ]
2|edit pack.rez add / B/DUP.TXT --answer=cancel|cmp -s pack.rez before.rez
1|edit pack.rez add Lang Lang|"$tarvex" cat pack.rez lang/lang/café.dat >/dev/null
2|edit pack.rez delete No/Such|cmp -s pack.rez before.rez
2|edit bogus.rez mkdir Extra|[ "$(cat bogus.rez)" = "not an archive" ]
CASES
finish "every command ends with the status its result calls for"
