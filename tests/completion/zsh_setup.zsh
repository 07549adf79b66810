# SPDX-License-Identifier: MIT
# Sourced by the interactive zsh that complete.zsh drives: compinit, and a compadd that prints
# each candidate (marked, with its description) instead of handing it to the line editor.
autoload -Uz compinit && compinit -u -D
zstyle ':completion:*' list-grouped false
zstyle ':completion:*' insert-tab false
bindkey '^I' complete-word
PROMPT=
report-start() { print -r -- '<<complete-start>>' }
report-end() { print -r -- '<<complete-end>>'; exit }
compprefuncs=(report-start)
comppostfuncs=(report-end)
compadd() {
  # Calls that only ask what would match are passed through.
  if [[ ${@[1,(i)(-|--)]} == *-(O|A|D)\ * ]]; then builtin compadd "$@"; return; fi
  local -a hits descriptions
  local i name
  if (( $@[(I)-d] )); then
    name=${@[$(( ${@[(i)-d]} + 1 ))]}
    if [[ $name == \(* ]]; then eval "descriptions=$name"; else descriptions=("${(@P)name}"); fi
  fi
  builtin compadd -A hits -D descriptions "$@"
  for (( i = 1; i <= $#hits; i++ )); do
    if (( $#descriptions >= i )); then
      print -r -- "<<hit>>$hits[i]"$'\t'"${${descriptions[i]}##$hits[i] #-- }"
    else
      print -r -- "<<hit>>$hits[i]"
    fi
  done
}
