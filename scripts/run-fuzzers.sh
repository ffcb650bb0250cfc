#!/bin/sh
# Runs every fuzzer built in BUILD_DIR for SECONDS seconds each, starting from
# the seeds in fuzz/corpus/<target>/ and keeping what it finds new in
# BUILD_DIR/corpus/<target>/, and prints each target's executions. Stops at
# the first target that finds a fault; its input is in BUILD_DIR/findings/.
# Usage: run-fuzzers.sh BUILD_DIR SECONDS
set -eu
build=$1
seconds=$2
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
mkdir -p "$build/findings"
for fuzzer in "$build"/fuzz/fuzz_*; do
  [ -f "$fuzzer" ] && [ -x "$fuzzer" ] || continue
  target=${fuzzer##*/fuzz_}
  corpus="$build/corpus/$target"
  log="$build/fuzz-$target.log"
  mkdir -p "$corpus"
  echo "== $target: $seconds s"
  # -timeout: one input may take this long on a busy machine before it
  # counts as a hang.
  if ! "$fuzzer" -max_total_time="$seconds" -max_len=4096 -timeout=25 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$build/findings/$target-" \
      "$corpus" "$source_dir/fuzz/corpus/$target" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "== $target found a fault; full log: $log"
    exit 1
  fi
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "== $target: $executions executions, no fault"
done
