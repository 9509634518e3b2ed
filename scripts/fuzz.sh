#!/usr/bin/env bash
# Builds the SVG reader's fuzz target with clang and the address and
# undefined-behaviour sanitizers into build-fuzz/ (or $1), and runs it for
# a bounded time (FUZZ_SECONDS, default 60) from the SVG fixture corpus.
# With FUZZ_RUNS the run is also bounded in inputs and starts from a fixed
# seed, so that it tries the same inputs every time (as CI runs it).
# clang and libFuzzer come with scripts/install-deps.sh --fuzz.
# New inputs go to a scratch corpus in the build folder; the fixtures are
# only read. A crash leaves its input in the build folder and fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-fuzz}
seconds=${FUZZ_SECONDS:-60}
repeatable=()
if [[ -n "${FUZZ_RUNS:-}" ]]; then repeatable=(-runs="$FUZZ_RUNS" -seed=1); fi
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVYN_FUZZ=ON -DVYN_SANITIZE=ON -DVYN_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target svg_reader_fuzz
mkdir -p "$build/fuzz-corpus"
# The fixtures seed the search, all but the <use> budget file: it expands
# 200,000 objects, and every run that started from it would be that slow.
rm -rf "$build/fuzz-seeds"
mkdir -p "$build/fuzz-seeds"
find "$root/tests/fixtures/svg" -name '*.svg' ! -path '*/use/budget.svg' -exec cp {} "$build/fuzz-seeds/" \;
cd "$build"
./tests/fuzz/svg_reader_fuzz "${repeatable[@]}" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
  -dict="$root/tests/fuzz/svg.dict" "$build/fuzz-corpus" "$build/fuzz-seeds"
