# bash completion of tarvex: its commands, switches and options, the commands of edit, and the
# paths inside the archive named on the line for cat, find, /X and edit. Disk paths are left to
# bash's own file name completion.

# REPLY: a word as the shell would read it: quotes and backslashes removed, a leading ~ for
# the home folder. Nothing is expanded or run.
_tarvex_dequote() {
    local word=$1 out= quote= c i
    [[ $word == "~" || $word == "~/"* ]] && word=$HOME${word:1}
    for ((i = 0; i < ${#word}; i++)); do
        c=${word:i:1}
        if [[ -n $quote && $c == "$quote" ]]; then
            quote=
        elif [[ $quote != "'" && $c == "\\" ]]; then
            out+=${word:i+1:1}
            ((i++))
        elif [[ -z $quote && ( $c == "'" || $c == '"' ) ]]; then
            quote=$c
        else
            out+=$c
        fi
    done
    REPLY=$out
}

# The paths inside the archive that continue cur by one level (folders end in /), without
# regard to case, read from the archive's listing: program archive cur folders-only options...
_tarvex_archive_paths() {
    local program=$1 archive=$2 cur=$3 folders_only=$4
    shift 4
    "$program" /L "$archive" "$@" </dev/null 2>/dev/null | awk -v cur="$cur" \
        -v folders_only="$folders_only" '
        function offer(path, rest, slash) {
            if (folders_only && path !~ /\/$/) return
            if (tolower(substr(path, 1, length(cur))) != tolower(cur)) return
            rest = substr(path, length(cur) + 1)
            if (rest == "" && path ~ /\/$/) return
            slash = index(rest, "/")
            if (slash && slash < length(rest)) return
            print path
        }
        # Only the files of the folder cur is in can continue it.
        BEGIN { within = tolower(cur); sub(/[^\/]*$/, "", within) }
        # The first line is the root folder, its name and a backslash; other folders follow
        # with their path from it, each before its files.
        NR == 1 { root = length($0); here = within == ""; next }
        /^  / {
            if (here && match($0, /^ +[0-9]+  [^ ]+( [^ ]+)?  +[0-9]+  /))
                offer(folder substr($0, RLENGTH + 1))
            next
        }
        /\\$/ {
            folder = substr($0, root + 1)
            gsub(/\\/, "/", folder)
            here = tolower(folder) == within
            offer(folder)
        }'
}

# The commands that name paths inside an archive (a switch letter, or a word after "tarvex")
# and which of their words do: from the first number to the second (none: to the end), the
# archive being word 0; "folders" when only folders fit. /X takes items after its
# destination; the commands of edit count from their own first argument.
declare -gA _tarvex_commands=([X]="2" [cat]="1 1" [find]="1" [edit]="")
# png takes its items after the destination, as /X does.
_tarvex_commands[png]="2"
declare -gA _tarvex_edit_commands=([add]="0 0 folders" [mkdir]="0 0 folders" [rename]="0 0"
    [delete]="0" [move]="0")

# COMPREPLY: the words of the list that begin with cur (never matched against file names).
_tarvex_offer() {
    mapfile -t COMPREPLY < <(compgen -W "$1" -- "$2")
}

_tarvex() {
    local program=${1/#\~/$HOME} cur=$2
    # The words before the cursor, with "--option=value" whole again: bash splits it at "=".
    local -a words=()
    local i word
    for ((i = 1; i <= COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        if [[ ${#words[@]} -gt 0 && ${words[-1]} == --* &&
            ( $word == "=" || ${words[-1]} == *= ) ]]; then
            words[-1]+=$word
        else
            words+=("$word")
        fi
    done
    local current=${words[-1]}
    unset 'words[-1]'
    COMPREPLY=()

    if [[ $current == --*=* ]]; then
        case ${current%%=*} in
            --answer) _tarvex_offer "yes no cancel ok" "$cur" ;;
            --codepage) _tarvex_offer "874 1250 1251 1252 1253 1254 1255 1256 1257 1258" "$cur" ;;
        esac
        return
    fi
    if [[ $current == --* ]]; then
        _tarvex_offer "--answer= --folder= --save-as= --codepage= --script --help" "$cur"
        [[ ${#COMPREPLY[@]} == 1 && ${COMPREPLY[0]} == *= ]] && compopt -o nospace
        return
    fi

    # What the line holds so far: the command, its plain words, the options to pass on.
    local command= plain=() options=()
    for ((i = 0; i < ${#words[@]}; i++)); do
        word=${words[i]}
        case $word in
            --script) ((i++)) ;;
            --codepage=*) options+=("$word") ;;
            --*) ;;
            [/-][XxEeAaCcLlHh?]) command=${word:1:1} command=${command^^} ;;
            *)
                if [[ -z $command && ${#plain[@]} == 0 && $word == [a-z]* &&
                    -n ${_tarvex_commands[$word]+known} ]]; then
                    command=$word
                else
                    plain+=("$word")
                fi
                ;;
        esac
    done
    # The script of edit is a disk file.
    [[ ${#words[@]} -gt 0 && ${words[-1]} == --script ]] && return

    # The words that name paths inside the archive, and the current word's place among them.
    local range index=${#plain[@]}
    if [[ -z $command ]]; then
        local names=("/C" "/A" "/X" "/E" "/L" "/?") name
        for name in "${!_tarvex_commands[@]}"; do
            [[ $name == [a-z]* ]] && names+=("$name")
        done
        [[ $index == 0 ]] && _tarvex_offer "${names[*]}" "$cur"
        return
    elif [[ $command == edit && $index -le 1 ]]; then
        [[ $index == 1 ]] && _tarvex_offer "${!_tarvex_edit_commands[*]} --script" "$cur"
        return
    elif [[ $command == edit ]]; then
        range=${_tarvex_edit_commands[${plain[1]}]:-}
        index=$((index - 2))
    else
        range=${_tarvex_commands[$command]:-}
    fi
    local first last folders_only
    read -r first last folders_only <<<"$range"
    [[ -n $first && $index -ge $first && ( -z $last || $index -le $last ) ]] || return
    _tarvex_dequote "${plain[0]}"
    local archive=$REPLY
    [[ -f $archive ]] || return
    _tarvex_dequote "$cur"
    mapfile -t COMPREPLY < <(_tarvex_archive_paths "$program" "$archive" "$REPLY" \
        "${folders_only:+1}" "${options[@]}")
    # Names with blanks are quoted; a folder goes on with its contents, without a blank.
    compopt -o filenames
    [[ ${#COMPREPLY[@]} == 1 && ${COMPREPLY[0]} == */ ]] && compopt -o nospace
}

complete -o default -F _tarvex tarvex
