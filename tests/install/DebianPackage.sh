#!/usr/bin/env bash
# Makes the Debian package (cpack -G DEB) and checks it: it holds what
# cmake --install puts under /usr, no more and no less, and its Depends
# name the libraries the program and its modules link, and the dialogs' font.
#   DebianPackage.sh BUILD_DIR [MAN_PAGE (ON: it is made; OFF)]
set -euo pipefail
build=$(cd "$1" && pwd)
man_page=${2:-ON}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/package" >"$scratch/cpack.log" 2>&1 || {
  cat "$scratch/cpack.log" >&2; fail "cpack -G DEB failed"; }
debs=("$scratch"/package/*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "cpack made no single .deb: ${debs[*]}"
deb=${debs[0]}

# The same files as an install under /usr.
DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr >/dev/null
(cd "$scratch/root" && find . ! -type d | sort) >"$scratch/installed.txt"
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sort >"$scratch/packaged.txt"
diff "$scratch/installed.txt" "$scratch/packaged.txt" ||
  fail "the package's files (right) differ from those cmake --install --prefix /usr installs (left)"
expected=(./usr/bin/vyncolors ./usr/lib/vyncolors/libvyn_platform.so ./usr/lib/vyncolors/libvyn_picture.so
  ./usr/lib/vyncolors/plugins/VynColors.aip/VynColors.so ./usr/share/bash-completion/completions/vyncolors
  ./usr/share/zsh/vendor-completions/_vyncolors ./usr/share/fish/vendor_completions.d/vyncolors.fish)
[[ $man_page == ON ]] && expected+=(./usr/share/man/man1/vyncolors.1)
for file in "${expected[@]}"; do
  grep -qxF "$file" "$scratch/packaged.txt" || fail "the package lacks $file"
done

[[ $(dpkg-deb -f "$deb" Package) == vyncolors ]] || fail "the package is not named vyncolors"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libc6 libstdc++6 libgcc-s1 librsvg2-2 libcairo2 libfontconfig1 libpugixml1v5 zlib1g \
  fonts-dejavu-core; do
  sed -E 's/ *\([^)]*\)//g; s/ *, */\n/g' <<<"$depends" | grep -qxF -- "$package" || fail "Depends lacks $package"
done
