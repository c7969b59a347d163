#!/usr/bin/env bash
# The bash completion of tarvex, run in bash as readline runs it: commands, switches, options
# and their values, the commands of edit, and paths inside the archive named on the line; and
# bash-completion finding the installed script by the command's name.
#   completion.sh path/to/tarvex path/to/completion.bash
source "$(dirname "${BASH_SOURCE[0]}")/script_common.sh"
source "$2"
# compopt works only while readline completes; here it records what it was asked.
compopt() { asked+="$* "; }

mkdir -p SRC/WORLDS/MULTI "SRC/SOUND FX" SRC/SKINS
printf 'w' >SRC/WORLDS/MAP01.DAT
printf 'd' >SRC/WORLDS/MULTI/DM_ARENA.DAT
printf 'b' >"SRC/SOUND FX/BANG 2.WAV"
printf 's' >SRC/SKINS/HERO.DTX
printf 'r' >SRC/README.TXT
"$tarvex" /C pack.rez SRC >/dev/null 2>&1

# Completes the last of the words, as bash splits them (at blanks and at "="): cur is what
# readline completes, words the line up to it. Sets replies (sorted, joined by ";").
complete_words() {
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    local cur=${COMP_WORDS[COMP_CWORD]}
    [[ $cur == "=" ]] && cur=
    cur=${cur#\"}
    asked=
    COMPREPLY=()
    _tarvex "$tarvex" "$cur" "${COMP_WORDS[COMP_CWORD - 1]}"
    replies=$(printf '%s\n' "${COMPREPLY[@]}" | sed '/^$/d' | sort | paste -sd ';')
}

# line (blank-separated; a final "." stands for an empty word) | replies | compopt asked
while IFS='|' read -r line expected expected_options; do
    read -ra words <<<"$line"
    [[ ${words[-1]} == . ]] && words[-1]=
    complete_words "${words[@]}"
    [ "$replies" = "$expected" ] || fail "$line: '$replies', expected '$expected'"
    [ "$asked" = "$expected_options" ] || fail "$line: compopt '$asked', expected '$expected_options'"
done <<'CASES'
tarvex .|/?;/A;/C;/E;/L;/X;cat;edit;find;png|
tarvex png pack.rez out wor|WORLDS/|-o filenames -o nospace 
tarvex e|edit|
tarvex /C new.rez --sa|--save-as=|-o nospace 
tarvex /C new.rez --answer = .|cancel;no;ok;yes|
tarvex edit pack.rez --answer = c|cancel|
tarvex /L pack.rez --codepage = 125|1250;1251;1252;1253;1254;1255;1256;1257;1258|
tarvex cat pack.rez .|README.TXT;SKINS/;SOUND FX/;WORLDS/|-o filenames 
tarvex cat pack.rez wor|WORLDS/|-o filenames -o nospace 
tarvex cat pack.rez WORLDS/|WORLDS/MAP01.DAT;WORLDS/MULTI/|-o filenames 
tarvex cat pack.rez worlds/multi/d|WORLDS/MULTI/DM_ARENA.DAT|-o filenames 
tarvex cat pack.rez nothing||-o filenames 
tarvex find pack.rez *.dat wor|WORLDS/|-o filenames -o nospace 
tarvex /X pack.rez out s|SKINS/;SOUND FX/|-o filenames 
tarvex pack.rez -x out skins/|SKINS/HERO.DTX|-o filenames 
tarvex /X pack.rez .||
tarvex edit pack.rez .|--script;add;delete;mkdir;move;rename|
tarvex edit pack.rez add .|SKINS/;SOUND FX/;WORLDS/|-o filenames 
tarvex edit pack.rez add / .||
tarvex edit pack.rez mkdir worlds/|WORLDS/MULTI/|-o filenames -o nospace 
tarvex edit pack.rez delete README.TXT sk|SKINS/|-o filenames -o nospace 
tarvex edit pack.rez move skins/h|SKINS/HERO.DTX|-o filenames 
tarvex edit pack.rez rename README.TXT .||
tarvex edit pack.rez --script .||
tarvex /C new.rez .||
tarvex cat missing.rez .||
CASES

# Inside a name with a blank, after an opening quote or a backslash.
for typed in '"SOUND FX/' 'SOUND\ FX/'; do
    complete_words tarvex cat pack.rez "$typed"
    [ "$replies" = "SOUND FX/BANG 2.WAV" ] || fail "a name with a blank typed $typed: '$replies'"
done

# Installed, bash-completion loads it by the command's name from the data folders.
cmake --install "$TARVEX_BINARY_DIR" --component tarvex --prefix "$work/usr" >/dev/null
loaded=$(XDG_DATA_DIRS=$work/usr/share bash -c \
    'source /usr/share/bash-completion/bash_completion && __load_completion tarvex &&
     complete -p tarvex' 2>&1)
[ "$loaded" = "complete -o default -F _tarvex tarvex" ] || fail "not loaded when installed: $loaded"
finish "tarvex completes its commands, options and archive paths"
