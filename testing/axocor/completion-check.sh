#!/bin/bash
# completion-check.sh SHELL TOOL LINE
# Prints what the completion script of TOOL for SHELL (bash, zsh or fish)
# offers for the command line LINE, whose last word (empty when LINE ends
# with a blank) is the one completed: the offers sorted, on one line, blank
# separated, folders without a trailing "/". zsh narrows the offers to the
# word completed itself, so for zsh the offers are narrowed here.
shell=$1 tool=$2 line=$3
case $shell in
  bash)
    bash -c 'source <("$1" completion bash)
      read -ra COMP_WORDS <<< "$2"
      [[ $2 == *" " ]] && COMP_WORDS+=("")
      COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
      _axocor
      [[ ${#COMPREPLY[@]} -eq 0 ]] || printf "%s\n" "${COMPREPLY[@]}"' _ "$tool" "$line"
    ;;
  zsh)
    zsh -c 'source <("$1" completion zsh)
      setopt ksharrays
      COMP_WORDS=(${=2})
      [[ $2 == *" " ]] && COMP_WORDS+=("")
      COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
      _axocor
      for offer in "${COMPREPLY[@]}"; do
        [[ $offer == "${COMP_WORDS[COMP_CWORD]}"* ]] && print -r -- "$offer"
      done' _ "$tool" "$line"
    ;;
  fish)
    fish -c '$argv[1] completion fish | source; complete -C "$argv[2]"' "$tool" "$line" |
      cut -f1 | sed 's|/$||'
    ;;
  *)
    echo "completion-check.sh: no shell '$shell'" >&2
    exit 2
    ;;
esac | LC_ALL=C sort | paste -sd ' '
