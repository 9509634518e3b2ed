#!/usr/bin/env bash
# Configures and builds Vyn•Colors.
#   scripts/build.sh [--program] [FOLDER] [CMAKE_OPTION...]
# FOLDER (default build/) is the first argument that does not start with
# "-"; every other argument starting with "-" is passed to CMake when it
# configures (-DVYN_BENCH=ON, -DCMAKE_BUILD_TYPE=Debug; an option and its
# value in one argument: -GNinja). With --program only what the main job
# needs is built — the vyncolors program, the plug-in bundle and the modules
# they load — not the tests; scripts/test.sh later builds the rest in the
# same folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
usage="usage: scripts/build.sh [--program] [FOLDER] [CMAKE_OPTION...]"
build=
program=false
cmake_options=()
for arg in "$@"; do
  case "$arg" in
    --program) program=true ;;
    -h | --help) echo "$usage"; exit 0 ;;
    -*) cmake_options+=("$arg") ;;
    *)
      if [[ -n $build ]]; then
        echo "scripts/build.sh: two folders given, '$build' and '$arg'" >&2
        echo "$usage" >&2
        exit 2
      fi
      build=$arg ;;
  esac
done
build=${build:-$root/build}

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${cmake_options[@]}" >/dev/null
targets=()
if $program; then targets=(--target vyncolors VynColors vyn_platform vyn_picture); fi
cmake --build "$build" -j"$(nproc)" "${targets[@]}"
