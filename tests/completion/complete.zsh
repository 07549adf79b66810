# SPDX-License-Identifier: MIT
# Usage: zsh -f complete.zsh FPATH_DIR LINE
# Completes LINE in an interactive zsh on a pseudo-terminal, with FPATH_DIR first in fpath, and
# prints each candidate as "WORD<TAB>DESCRIPTION", or WORD alone when it has no description.
zmodload zsh/zpty
zpty completer zsh -f -i
zpty -w completer "fpath=(${(q)1} \$fpath); source ${(q)${0:A:h}}/zsh_setup.zsh"
zpty -w -n completer "$2"$'\t'
local -a hits
local line
while zpty -r completer line; do
  line=${${line%$'\n'}%$'\r'}
  [[ $line == '<<hit>>'* ]] && hits+=("${line#<<hit>>}")
  [[ $line == '<<complete-end>>' ]] && break
done
zpty -d completer
(( $#hits == 0 )) || print -rl -- $hits
