#!/usr/bin/env bash
# Builds the fuzz targets (tests/fuzz/) with clang and the address and
# undefined-behaviour sanitizers into build-fuzz/ (or $1), and runs each one
# in turn from its own seeds, for its share of a bounded time (FUZZ_SECONDS,
# default 60, split evenly between the targets):
#   svg_reader_fuzz     the SVG fixtures (tests/fixtures/svg/)
#   json_document_fuzz  examples/*.json, the command tests' JSON fixtures
#                       and tests/fuzz/seeds/json/
#   selector_fuzz       tests/fuzz/seeds/selector/
# With FUZZ_RUNS the runs are also bounded in inputs (FUZZ_RUNS split evenly
# too) and start from a fixed seed, so that they try the same inputs every
# time (as CI runs them). FUZZ_TARGETS="a b" runs only those targets.
#
# Every input has a time limit of FUZZ_TIMEOUT seconds (default 2): a slow
# input is a finding, like a crash. New inputs go to a scratch corpus per
# target in the build folder; the seeds are only read. A crash or a timeout
# leaves its input in the build folder's fuzz-findings/, the other targets
# still run, and the script fails. clang and libFuzzer come with
# scripts/install-deps.sh --fuzz.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-fuzz}
seconds=${FUZZ_SECONDS:-60}
timeout=${FUZZ_TIMEOUT:-2}
read -r -a targets <<<"${FUZZ_TARGETS:-svg_reader_fuzz json_document_fuzz selector_fuzz}"
share=$(( seconds / ${#targets[@]} ))
(( share >= 1 )) || share=1
repeatable=()
if [[ -n "${FUZZ_RUNS:-}" ]]; then
  runs=$(( FUZZ_RUNS / ${#targets[@]} ))
  (( runs >= 1 )) || runs=1
  repeatable=(-runs="$runs" -seed=1)
fi
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVYN_FUZZ=ON -DVYN_SANITIZE=ON -DVYN_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"

# Fills $build/fuzz-seeds/TARGET with the target's seeds, afresh.
seed() {
  local target=$1 seeds=$build/fuzz-seeds/$1
  rm -rf "$seeds"
  mkdir -p "$seeds"
  case $target in
    svg_reader_fuzz)
      # All but the <use> budget file: it expands 200,000 objects, and every
      # run that started from it would be that slow.
      find "$root/tests/fixtures/svg" -name '*.svg' ! -path '*/use/budget.svg' -exec cp {} "$seeds/" \; ;;
    json_document_fuzz)
      cp "$root"/examples/*.json "$root"/tests/app/fixtures/*.json "$root"/tests/fuzz/seeds/json/*.json "$seeds/" ;;
    selector_fuzz)
      cp "$root"/tests/fuzz/seeds/selector/* "$seeds/" ;;
    *) echo "fuzz.sh: no seeds for $target" >&2; return 1 ;;
  esac
}

options() {
  case $1 in
    svg_reader_fuzz) echo "-max_len=65536 -dict=$root/tests/fuzz/svg.dict" ;;
    json_document_fuzz) echo "-max_len=65536 -dict=$root/tests/fuzz/json.dict" ;;
    selector_fuzz) echo "-max_len=8192 -dict=$root/tests/fuzz/css.dict" ;;
  esac
}

failed=()
mkdir -p "$build/fuzz-findings"
cd "$build"
for target in "${targets[@]}"; do
  seed "$target"
  mkdir -p "$build/fuzz-corpus/$target"
  echo "== $target: ${share} s${FUZZ_RUNS:+, ${runs} runs}, ${timeout} s an input =="
  # shellcheck disable=SC2046 # the options are words
  if ! "./tests/fuzz/$target" "${repeatable[@]}" -max_total_time="$share" -timeout="$timeout" -rss_limit_mb=2048 \
      $(options "$target") -artifact_prefix="$build/fuzz-findings/$target-" \
      "$build/fuzz-corpus/$target" "$build/fuzz-seeds/$target"; then
    failed+=("$target")
  fi
done
if (( ${#failed[@]} )); then
  echo "fuzz.sh: ${failed[*]} found a crash or a slow input: see $build/fuzz-findings/" >&2
  exit 1
fi
