# SPDX-License-Identifier: MIT
# Usage: bash --norc --noprofile complete.bash BASH_COMPLETION DATA_DIR WORD... CURRENT_WORD
# Completes the last word of the command line WORD... CURRENT_WORD as bash-completion does on a
# Tab: the script BASH_COMPLETION is sourced, its loader reads the completion of the command
# from DATA_DIR/bash-completion/completions, and the function registered for the command is
# called with COMP_WORDS and COMP_CWORD. Prints the candidates, one a line.
set -u
bash_completion=$1
export XDG_DATA_DIRS=$2 BASH_COMPLETION_USER_DIR=/nonexistent
shift 2
source "$bash_completion"
COMP_WORDS=("$@")
COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
COMP_LINE="${COMP_WORDS[*]}"
COMP_POINT=${#COMP_LINE}
__load_completion "$1" || { echo "no completion found for $1" >&2; exit 1; }
registered=$(complete -p "$1")
[[ $registered =~ -F\ ([^ ]+) ]] || { echo "not a function: $registered" >&2; exit 1; }
COMPREPLY=()
"${BASH_REMATCH[1]}" "$1" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
[[ ${#COMPREPLY[@]} -eq 0 ]] || printf '%s\n' "${COMPREPLY[@]}"
