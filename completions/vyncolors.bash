# bash completion for vyncolors                             -*- shell-script -*-
# Installed as share/bash-completion/completions/vyncolors, where
# bash-completion loads it on first use; plain bash can `source` it too (it
# needs none of bash-completion's helpers).

# The options that take no value, then those that take one.
_vyncolors_flags='-h --help --version --in-place --json --menus --trace --timings
  --patterns --no-patterns --gradients --no-gradients --custom --no-custom
  --tints --no-tints --other --no-other --selection --no-selection
  --cancel --save-settings --list -q --quiet -v --verbose'
_vyncolors_valued='-o --output --select --place --artboard --dpi --width
  --render-about --plugins --font --text-size --box-length --box-height --gap
  --offset-x --offset-y --render-dialog --prefs --format --output-dir -j --jobs
  --palette'

# Folders, and the files whose extension (any case) is one of $1, a list
# separated by `|` (empty: every file).
_vyncolors_files() {
    local IFS=$'\n' f ext
    compopt -o filenames 2>/dev/null
    COMPREPLY=()
    for f in $(compgen -f -- "$cur"); do
        if [[ -d $f ]]; then
            COMPREPLY+=("$f")
            continue
        fi
        ext=${f##*.}
        [[ $f == *.* ]] || ext=
        if [[ -z $1 || "|$1|" == *"|${ext,,}|"* ]]; then
            COMPREPLY+=("$f")
        fi
    done
}

_vyncolors_folders() {
    compopt -o filenames 2>/dev/null
    mapfile -t COMPREPLY < <(compgen -d -- "$cur")
}

# The installed fonts' full names, as --font wants them ("DejaVu Sans Bold"),
# quoted for the command line; what is typed may be quoted too.
_vyncolors_fonts() {
    local IFS=$'\n' name typed=${cur//\\ / }
    typed=${typed#[\'\"]}
    COMPREPLY=()
    command -v fc-list >/dev/null 2>&1 || return
    for name in $(compgen -W "$(fc-list : fullname 2>/dev/null | sed 's/^[^=]*=//; s/,.*//' | sort -u)" -- "$typed"); do
        COMPREPLY+=("$(printf '%q' "$name")")
    done
}

_vyncolors() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=
    ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD - 1]}
    # --option=VALUE: bash splits the word at "=".
    if [[ $cur == = ]]; then
        cur=
    elif [[ $prev == = ]] && ((COMP_CWORD > 1)); then
        prev=${COMP_WORDS[COMP_CWORD - 2]}
    fi
    COMPREPLY=()

    case $prev in
        -o | --output) _vyncolors_files 'json|svg|svgz|png'; return ;;
        --render-about | --render-dialog) _vyncolors_files 'svg|png'; return ;;
        --prefs) _vyncolors_files ''; return ;;
        --palette) _vyncolors_files 'gpl ase css csv'; return ;;
        --plugins | --output-dir) _vyncolors_folders; return ;;
        --place) mapfile -t COMPREPLY < <(compgen -W 'beside artboard' -- "$cur"); return ;;
        --format) mapfile -t COMPREPLY < <(compgen -W 'json svg svgz png' -- "$cur"); return ;;
        --font) _vyncolors_fonts; return ;;
        --select | --artboard | --dpi | --width | --text-size | --box-length | --box-height | --gap | \
            --offset-x | --offset-y | -j | --jobs)
            return ;; # a value of the user's own
    esac

    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$_vyncolors_flags $_vyncolors_valued" -- "$cur")
        return
    fi
    _vyncolors_files 'json|svg|svgz' # INPUT
}

complete -F _vyncolors vyncolors
