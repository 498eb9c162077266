#!/usr/bin/env bash
# Runs every fuzz target over its seed corpus, then fuzzes it for a bounded time.
# Usage: fuzz/run.sh BUILD_DIR [SECONDS_PER_TARGET] [PARALLEL]
# BUILD_DIR is a build configured with -DCMAKE_CXX_COMPILER=clang++ -DFUZZ=ON.
# New inputs go to a scratch folder; a finding leaves its input in
# $FUZZ_OUT/<target>/ (default /tmp/sndconv-fuzz-out) and fails the run.
set -uo pipefail
build=$(cd "$1" && pwd)
seconds=${2:-20}
parallel=${3:-2}
here=$(cd "$(dirname "$0")" && pwd)
out=${FUZZ_OUT:-/tmp/sndconv-fuzz-out}
mkdir -p "$out"

run_target() {
  local name=$1 seeds="$here/corpus/$1" dir="$out/$1"
  rm -rf "$dir" && mkdir -p "$dir/new"
  local opts=(-artifact_prefix="$dir/" -timeout=10 -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1)
  # Logs keep their last lines only: the programs' own messages are many, and
  # the targets hold every file they write to 1 MiB.
  if ! "$build/fuzz/$name" "${opts[@]}" -runs=0 "$seeds" 2>&1 | tail -n 300 >"$dir/corpus.log"; then
    echo "FAIL $name on its corpus (see $dir/corpus.log)"; tail -n 40 "$dir/corpus.log"; return 1
  fi
  if ! "$build/fuzz/$name" "${opts[@]}" -max_total_time="$seconds" "$dir/new" "$seeds" 2>&1 | tail -n 300 >"$dir/fuzz.log"; then
    echo "FAIL $name while fuzzing (see $dir/fuzz.log)"; tail -n 40 "$dir/fuzz.log"; return 1
  fi
  local runs cov slowest
  runs=$(grep -ao 'stat::number_of_executed_units: *[0-9]*' "$dir/fuzz.log" | grep -o '[0-9]*$')
  cov=$(grep -ao 'cov: [0-9]* ft: [0-9]*' "$dir/fuzz.log" | tail -1)
  slowest=$(grep -ao 'stat::slowest_unit_time_sec: *[0-9]*' "$dir/fuzz.log" | grep -o '[0-9]*$')
  echo "ok   $name: $runs executions, $cov, slowest input ${slowest}s"
}

targets=()
for seeds in "$here"/corpus/*/; do targets+=("$(basename "$seeds")"); done
failed=0
for ((i = 0; i < ${#targets[@]}; i += parallel)); do
  pids=()
  for ((j = i; j < i + parallel && j < ${#targets[@]}; ++j)); do
    run_target "${targets[j]}" & pids+=($!)
  done
  for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
done
exit $failed
