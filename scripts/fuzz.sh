#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang and runs every one of them
# for the given number of seconds (default 60), side by side. Any finding (a
# crash, a sanitizer report, a failed behaviour check, a leak, a hang or a
# run out of memory) fails the script; its input is kept in
# build-fuzz/findings/<target>/.
# Usage: scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/install-deps.sh

dir=build-fuzz
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DQLS_FUZZ=ON -DQLS_BUILD_TESTS=OFF -DQLS_BUILD_BENCH=OFF >/dev/null
cmake --build "$dir" --parallel "$(nproc)" --target fuzz_targets

seeds="$dir/seeds"
rm -rf "$seeds"
"$dir/fuzz/make_fuzz_seeds" "$seeds"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:allocator_may_return_null=1
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

targets=()
for t in "$dir"/fuzz/fuzz_*; do
  [ -f "$t" ] && [ -x "$t" ] && targets+=("$t")
done
if [ ${#targets[@]} -eq 0 ]; then
  echo "fuzz.sh: no fuzz targets were built" >&2
  exit 1
fi

pids=()
for t in "${targets[@]}"; do
  name=$(basename "$t")
  corpus="$dir/corpus/$name"
  findings="$dir/findings/$name"
  mkdir -p "$corpus" "$findings" "$seeds/$name"
  "$t" "$corpus" "$seeds/$name" -dict=fuzz/formats.dict -max_total_time="$seconds" \
    -timeout=10 -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
    -artifact_prefix="$findings/" >"$dir/$name.log" 2>&1 &
  pids+=($!)
done

failed=0
for i in "${!targets[@]}"; do
  name=$(basename "${targets[$i]}")
  if wait "${pids[$i]}"; then
    echo "$name: $(grep -m1 'stat::number_of_executed_units' "$dir/$name.log" | awk '{print $2}') runs, no finding"
  else
    failed=1
    echo "$name: FINDING (log $dir/$name.log, input in $dir/findings/$name/)" >&2
    tail -n 40 "$dir/$name.log" >&2
  fi
done
exit "$failed"
