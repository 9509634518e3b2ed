#!/usr/bin/env bash
# Installs the build into a temporary prefix, moves the prefix elsewhere and
# runs the README's main job with the installed program: it must find its
# libraries, the picture module and the plug-in in the moved prefix alone.
#   MovedPrefix.sh BUILD_DIR SOURCE_DIR [MAN_PAGE (ON: it is made; OFF)]
set -euo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
man_page=${3:-ON}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$scratch/first" >"$scratch/install.log" || {
  cat "$scratch/install.log" >&2; fail "cmake --install failed"; }
mv "$scratch/first" "$scratch/moved"
prefix=$scratch/moved

for file in bin/vyncolors \
  lib/vyncolors/libvyn_platform.so lib/vyncolors/libvyn_picture.so \
  lib/vyncolors/plugins/VynColors.aip/VynColors.so \
  share/bash-completion/completions/vyncolors \
  share/zsh/site-functions/_vyncolors \
  share/fish/vendor_completions.d/vyncolors.fish; do
  [[ -f $prefix/$file ]] || fail "the install lacks $file"
done
[[ -x $prefix/bin/vyncolors ]] || fail "bin/vyncolors is not executable"
# The bundle's resources, as in the build tree's bundle.
diff -r "$build/plugins/VynColors.aip/Resources" "$prefix/lib/vyncolors/plugins/VynColors.aip/Resources" ||
  fail "the installed bundle's resources differ from the build tree's"
if [[ $man_page == ON ]]; then
  grep -qs '^\.TH VYNCOLORS' "$prefix/share/man/man1/vyncolors.1" || fail "no man page share/man/man1/vyncolors.1"
fi

# Every run path is relative to the file that holds it.
while IFS= read -r -d '' elf; do
  head -c 4 "$elf" | grep -q 'ELF' || continue
  while read -r path; do
    for entry in ${path//:/ }; do
      # shellcheck disable=SC2016 # the literal $ORIGIN
      [[ $entry == '$ORIGIN'* ]] || fail "${elf#"$prefix"/} has the run path $entry, not relative to \$ORIGIN"
    done
  done < <(readelf -d "$elf" | sed -n 's/.*(R\(UN\)\{0,1\}PATH).*\[\(.*\)\]/\2/p')
done < <(find "$prefix" -type f -print0)

# The README's main job, from a folder of its own.
mkdir "$scratch/job"
cp "$source/examples/illustration.svg" "$scratch/job/"
cd "$scratch/job"
status=0
LD_DEBUG=files LD_DEBUG_OUTPUT="$scratch/loader" \
  "$prefix/bin/vyncolors" illustration.svg --font 'DejaVu Sans' -o illustration-colors.png \
  >rows.txt 2>errors.txt || status=$?
[[ $status -eq 0 ]] || { cat errors.txt >&2; fail "the installed vyncolors exited $status"; }

# The rows: one a line, as the build tree's program prints them.
[[ -s rows.txt ]] || fail "no row was printed"
"$build/vyncolors" illustration.svg --font 'DejaVu Sans' -o build-tree.png >expected-rows.txt 2>/dev/null ||
  fail "the build tree's vyncolors failed on the same job"
diff expected-rows.txt rows.txt || fail "the installed program printed other rows than the build tree's"

# The picture: a PNG file.
[[ -s illustration-colors.png ]] || fail "illustration-colors.png was not written"
[[ $(head -c 8 illustration-colors.png | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] ||
  fail "illustration-colors.png is not a PNG file"

# What the system loader opened of the project's came from the moved prefix:
# the platform's library, the picture module and the plug-in.
# (LD_DEBUG=files: "calling init: PATH" for each object the loader set up.)
loaded=$(cat "$scratch"/loader.* | sed -n 's/.*calling init: //p' | sort -u)
for name in libvyn_platform.so libvyn_picture.so VynColors.so; do
  grep -q "/$name\$" <<<"$loaded" || fail "$name was not loaded"
done
while read -r file; do
  case $file in
    */libvyn_*|*/VynColors.so)
      [[ $file == "$prefix"/* ]] || fail "$file was loaded from outside the moved prefix" ;;
  esac
done <<<"$loaded"
echo "the moved prefix ran the main job: $(wc -l <rows.txt) rows, $(wc -c <illustration-colors.png) bytes of PNG"
