#!/usr/bin/env bash
# Builds and runs the benchmarks (optimised build).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build-bench -DCMAKE_BUILD_TYPE=Release -DQLS_BUILD_TESTS=OFF
for b in build-bench/bench/*_bench; do
  "$b" "$@"
done
