#!/usr/bin/env bash
# Builds and runs the benchmarks (optimised build). Arguments go to every
# benchmark binary. A cold benchmark (a name with "/cold/") measures the
# first run of its process, so each one is run alone in QLS_COLD_RUNS fresh
# processes (default 3) instead of being repeated in one.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build-bench -DCMAKE_BUILD_TYPE=Release -DQLS_BUILD_TESTS=OFF
cold_runs=${QLS_COLD_RUNS:-3}
filter=()
others=()
for arg in "$@"; do
  case "$arg" in
    --benchmark_filter=*) filter=("$arg") ;;
    *) others+=("$arg") ;;
  esac
done
for b in build-bench/bench/*_bench; do
  warm=()
  cold=()
  while read -r name; do
    [ -n "$name" ] || continue
    case "$name" in
      */cold/*) cold+=("$name") ;;
      *) warm+=("$name") ;;
    esac
  done < <("$b" --benchmark_list_tests "${filter[@]}")
  if [ ${#warm[@]} -gt 0 ]; then
    "$b" "--benchmark_filter=^($(IFS='|'; echo "${warm[*]}"))\$" "${others[@]}"
  fi
  for name in "${cold[@]}"; do
    for _ in $(seq "$cold_runs"); do
      "$b" "--benchmark_filter=^${name}\$" | grep -E "^${name}|ERROR" || true
    done
  done
done
