#!/usr/bin/env bash
# The man page holds the manual: every word of vyncolors --help, as many
# times as the help has it (man/help-for-man.sh may move lines, not drop
# them), and every option as an entry's tag.
#   ManPageHoldsTheHelp.sh VYNCOLORS MAN_PAGE
set -euo pipefail
vyncolors=$1
page=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
[[ -s $page ]] || fail "$page is missing"

words() { tr -d ',"' | tr -s ' \t' '\n' | grep -v '^$' | LC_ALL=C sort; }
# The page's text: no comments, no macro names, no font or spacing escapes.
text=$(grep -v '^\.\\"' "$page" | sed -E 's/^\.[A-Za-z]+ ?//; s/\\f[BIRP]//g; s/\\[/,&]//g; s/\\-/-/g')
missing=$(LC_ALL=C comm -23 <("$vyncolors" --help | sed 's/^Usage: //' | words) <(words <<<"$text"))
[[ -z $missing ]] || fail "the man page lacks these words of the help: $(tr '\n' ' ' <<<"$missing")"

# Each option line of the help starts an entry (.TP) whose tag names it.
tags=$(grep -A1 '^\.TP' "$page" | grep -v '^\.TP\|^--$' | sed -E 's/\\f[BIRP]//g; s/\\-/-/g')
while read -r option; do
  grep -qF -- "$option" <<<"$tags" || fail "no entry of the man page is tagged $option"
done < <("$vyncolors" --help | grep -oE '^ {1,8}-[^ ]+' | sed -E 's/^ +//; s/ .*//; s/,$//')
echo "the man page holds the help's $("$vyncolors" --help | wc -w) words"
