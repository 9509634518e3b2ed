#!/usr/bin/env bash
# Installs every Debian package Vyn•Colors needs to build, test, install,
# package and run. With --fuzz, also the compiler and runtime of the SVG
# reader's fuzz target (scripts/fuzz.sh), which nothing else needs.
# Safe to run again: packages already present are left as they are.
set -euo pipefail

usage="usage: scripts/install-deps.sh [--fuzz]"
fuzz=false
for arg in "$@"; do
  case "$arg" in
    --fuzz) fuzz=true ;;
    -h|--help) echo "$usage"; exit 0 ;;
    *) echo "scripts/install-deps.sh: unknown argument '$arg'" >&2; echo "$usage" >&2; exit 2 ;;
  esac
done

packages=(
  build-essential      # g++ and make
  cmake
  pkg-config
  libgtest-dev         # GoogleTest
  libcli11-dev         # command-line parsing
  libpugixml-dev       # XML (SVG) parsing
  zlib1g-dev           # compressed SVG (.svgz)
  nlohmann-json3-dev   # JSON documents
  librsvg2-dev         # SVG to PNG rendering (brings cairo)
  libcairo2-dev
  libfontconfig-dev    # the system's font list
  fonts-dejavu-core    # the font dialogs are drawn with
  help2man             # the man page, made from the program's --help
  dpkg-dev             # dpkg-shlibdeps: the Debian package's Depends (cpack -G DEB)
  file                 # which files CPack hands to dpkg-shlibdeps
)
if $fuzz; then
  packages+=(
    clang              # the SVG reader's fuzz target (libFuzzer)
    libclang-rt-14-dev # libFuzzer's runtime
  )
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "All build dependencies are installed."
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
