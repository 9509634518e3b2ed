#!/usr/bin/env bash
# Checks a completion file's syntax with its shell's -n (read, do not run);
# exits 77 (skipped) when that shell is not installed.
#   ShellSyntax.sh SHELL FILE
set -euo pipefail
shell=$1
file=$2
if ! command -v "$shell" >/dev/null 2>&1; then
  echo "$shell is not installed: its completion's syntax is not checked"
  exit 77
fi
"$shell" -n "$file"
echo "$shell -n $(basename "$file"): no syntax error"
