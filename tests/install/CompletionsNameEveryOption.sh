#!/usr/bin/env bash
# The shell completions name every option the help lists (a forgotten option
# fails here), and the bash completion offers them all after "--".
#   CompletionsNameEveryOption.sh VYNCOLORS COMPLETIONS_DIR
set -euo pipefail
vyncolors=$1
completions=$2
fail=0
missing() { echo "FAIL: $1 does not name $2" >&2; fail=1; }

help=$("$vyncolors" --help)
# Long options anywhere in the help, --[no-]NAME as both; short ones where
# an option's line starts ("  -o, --output FILE").
mapfile -t longs < <(grep -oE -- '--\[no-\][a-z][a-z0-9-]*|--[a-z][a-z0-9-]*' <<<"$help" |
  sed -E 's/^--\[no-\](.*)$/--\1\n--no-\1/' | sort -u)
mapfile -t shorts < <(grep -oE -- '^ +-[a-zA-Z]([, ]|$)' <<<"$help" | tr -d ' ,' | sort -u)
[[ ${#longs[@]} -gt 20 && ${#shorts[@]} -ge 2 ]] ||
  { echo "FAIL: read only ${#longs[@]} long and ${#shorts[@]} short options from the help" >&2; exit 1; }

# A word of its own: not a part of a longer option (--select in --selection).
names() { grep -qE -- "(^|[^A-Za-z0-9-])$2([^A-Za-z0-9-]|\$)" "$1"; }
for file in vyncolors.bash _vyncolors; do
  for option in "${longs[@]}" "${shorts[@]}"; do
    names "$completions/$file" "$option" || missing "$file" "$option"
  done
done
# fish spells them -l NAME and -s X.
for option in "${longs[@]}"; do
  grep -qE -- "(^|[[:space:]])-l ${option#--}([[:space:]]|\$)" "$completions/vyncolors.fish" ||
    missing vyncolors.fish "$option"
done
for option in "${shorts[@]}"; do
  grep -qE -- "(^|[[:space:]])-s ${option#-}([[:space:]]|\$)" "$completions/vyncolors.fish" ||
    missing vyncolors.fish "$option"
done

# The bash completion, run: what it offers after "vyncolors --".
offered=$(bash --norc --noprofile -c '
  source "$1"
  COMP_WORDS=(vyncolors --) COMP_CWORD=1
  _vyncolors
  printf "%s\n" "${COMPREPLY[@]}"' bash "$completions/vyncolors.bash")
for option in "${longs[@]}"; do
  grep -qxF -- "$option" <<<"$offered" || { echo "FAIL: bash does not offer $option after --" >&2; fail=1; }
done

[[ $fail -eq 0 ]] || exit 1
echo "the completions name the help's ${#longs[@]} long and ${#shorts[@]} short options"
