#!/usr/bin/env bash
# Installs every Debian package Vyn•Colors needs to build, test, install,
# package and run, and the readers the palette tests read the command's
# files with (the npm packages of tests/readers/package-lock.json, into
# tests/readers/node_modules). With --fuzz, also the compiler and runtime of
# the SVG reader's fuzz target (scripts/fuzz.sh), which nothing else needs.
# Safe to run again: packages already present are left as they are.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

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
# Node.js and npm run the test readers. A machine that has them already (a
# node package of another origin, which brings its own npm and cannot stand
# beside Debian's npm) keeps them.
command -v node >/dev/null 2>&1 || missing+=(nodejs)
command -v npm >/dev/null 2>&1 || missing+=(npm)

if [ ${#missing[@]} -eq 0 ]; then
  echo "All build dependencies are installed."
else
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The test readers, exactly as the lockfile pins them; skipped while the
# modules installed are those of the lockfile as it is.
readers="$root/tests/readers"
stamp="$readers/node_modules/.installed-from-lock"
lock_sum=$(sha256sum "$readers/package-lock.json" | cut -d' ' -f1)
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$lock_sum" ]; then
  echo "The test readers are installed."
else
  echo "Installing the test readers (npm ci in tests/readers)"
  (cd "$readers" && npm ci --no-audit --no-fund --loglevel=error)
  echo "$lock_sum" >"$stamp"
fi
