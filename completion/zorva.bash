# SPDX-License-Identifier: MIT
# bash completion for zorva                                -*- shell-script -*-
# Options and the formats after -f; nothing for the operation, for numbers, or file names.

_zorva_options='-d --degree -f --format -h --help -i --interactive -p --precision -r --round
-t --thousands -vvv --verbose -v --version'
_zorva_formats='%.2f %.4f %.6e %g %.15g %a'

# What word INDEX of COMP_WORDS is: the value of a format, precision or round option, or free.
# A value word may itself be an option that takes the next word: a format's value -p or -r,
# and a precision's value -r.
_zorva_word_kind() {
    local kind=free i
    for ((i = 1; i < $1; i++)); do
        case $kind:${COMP_WORDS[i]} in
        free:-f | free:--format) kind=format ;;
        free:-p | free:--precision | format:-p | format:--precision) kind=precision ;;
        free:-r | free:--round | format:-r | format:--round | precision:-r | precision:--round)
            kind=round ;;
        *) kind=free ;;
        esac
    done
    echo "$kind"
}

_zorva() {
    local current=${COMP_WORDS[COMP_CWORD]}
    COMPREPLY=()
    case $(_zorva_word_kind "$COMP_CWORD") in
    format) mapfile -t COMPREPLY < <(compgen -W "$_zorva_formats" -- "$current") ;;
    precision | round) ;;
    free)
        # Anything else is the operation or a word zorva passes over: free text.
        [[ $current == -* ]] &&
            mapfile -t COMPREPLY < <(compgen -W "$_zorva_options" -- "$current")
        ;;
    esac
    return 0
}

complete -F _zorva zorva
