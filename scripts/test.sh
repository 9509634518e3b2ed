#!/usr/bin/env bash
# Builds everything, the tests included, and runs every test.
#   scripts/test.sh [FOLDER] [CMAKE_OPTION...]
# The arguments are scripts/build.sh's: FOLDER (default build/) is the first
# that does not start with "-", the others are CMake options.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
for arg in "$@"; do
  if [[ $arg != -* ]]; then build=$arg; break; fi
done
"$root/scripts/build.sh" -DVYN_BUILD_TESTS=ON "$@"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
