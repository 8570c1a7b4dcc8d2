#!/usr/bin/env bash
# Installs what is needed, builds and runs every test twice: a normal build,
# then the same tests built with AddressSanitizer (leak checking on) and
# UndefinedBehaviorSanitizer.
# Last, every fuzz target runs for a short while, so a reader that regressed
# fails here too.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

scripts/build.sh build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir build-test --output-on-failure --parallel "$jobs" --timeout 300

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DQLS_SANITIZE=ON -DQLS_BUILD_BENCH=OFF
ctest --test-dir build-asan --output-on-failure --parallel "$jobs" --timeout 600

scripts/fuzz.sh 20
